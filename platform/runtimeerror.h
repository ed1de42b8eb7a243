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
    // The entry exists but cannot be opened as a file: a folder, a device,
    // or no permission to read it.
    PathFileAccess = 75,
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(ErrorNumber number, const QString &detail = {});

    ErrorNumber number() const { return m_number; }
    // The text for a message box: a headline with the number and the
    // runtime's description, e.g. "実行時エラー '53': ファイルが見つかりません。",
    // then, on the following lines, the detail when there is one.
    QString message() const;

private:
    ErrorNumber m_number;
    QString m_detail;
};

} // namespace sorvex
