#pragma once

#include <QString>

#include <stdexcept>

namespace sorvex {

// The numbered errors of the forms runtime. Their numbers are part of the
// program's behaviour: the manual viewer tells "file not found" apart from
// every other failure by its number.
enum class ErrorNumber : int {
    Overflow = 6,
    TypeMismatch = 13,
    FileNotFound = 53,
};

class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(ErrorNumber number, const QString &detail = {});

    ErrorNumber number() const { return m_number; }
    // One line for a message box: the number, the runtime's description and
    // the detail, e.g. "実行時エラー '53': ファイルが見つかりません。 (win.bmp)".
    QString message() const;
    QString detail() const { return m_detail; }

    static QString description(ErrorNumber number);

private:
    ErrorNumber m_number;
    QString m_detail;
};

} // namespace sorvex
