// Writing a block whole to a file. A file-size limit or a full disk cuts a
// write short without an error; only the next write fails, with the
// system's reason. A buffered file hides both until its flush, which then
// reports no reason at all ("Unknown error").
#pragma once

#include <QtGlobal>

class QFileDevice;

// Writes the n bytes to a file opened with QIODevice::Unbuffered, again
// after each short write, until all are written or a write fails: false
// then, with the reason in f.errorString().
bool zapiszCalosc(QFileDevice &f, const char *dane, qint64 n);
