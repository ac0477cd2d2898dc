#include "setup_domyslny.h"

#include <utility>

const TFunkcjeKvor3 &domyslnySetup()
{
    static const TFunkcjeKvor3 tabela = [] {
        TFunkcjeKvor3 s{};
        const std::pair<int, int32_t> wartosci[] = {
            {1, 1},  {2, 4},   {3, 5},   {7, 60},  {8, 300}, {9, 2000},  {10, 800},  {13, 10},
            {15, 4}, {25, 10}, {26, 10}, {28, 10}, {29, 10}, {34, 9274}, {35, 9274}, {36, 8356},
        };
        for (const auto &[n, v] : wartosci)
            s.F[n] = v;
        return s;
    }();
    return tabela;
}
