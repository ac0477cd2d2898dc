#include "pole_nazwy.h"

#include <QLineEdit>
#include <QValidator>

namespace {

class OgraniczeniePisania final : public QValidator {
public:
    OgraniczeniePisania(QLineEdit *pole, int znakow)
        : QValidator(pole), pole_(pole), znakow_(znakow), poprzedni_(pole->text().size())
    {
        connect(pole, &QLineEdit::textChanged, this, [this](const QString &t) { poprzedni_ = t.size(); });
    }

    State validate(QString &tekst, int &) const override
    {
        // A text set from code leaves the box unmodified: it passes
        // whole. Typing may not make the text longer than the limit or
        // than it already was.
        if (!pole_->isModified())
            return Acceptable;
        return tekst.size() <= znakow_ || tekst.size() <= poprzedni_ ? Acceptable : Invalid;
    }

private:
    QLineEdit *pole_;
    int znakow_;
    qsizetype poprzedni_;
};

} // namespace

void ograniczPisanie(QLineEdit *pole, int znakow) { pole->setValidator(new OgraniczeniePisania(pole, znakow)); }
