#include "runtimeerror.h"

namespace sorvex {

RuntimeError::RuntimeError(ErrorNumber number, const QString &detail)
    : std::runtime_error(description(number).toStdString())
    , m_number(number)
    , m_detail(detail)
{}

QString RuntimeError::description(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::Overflow:
        return QStringLiteral("オーバーフローしました。");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("型が一致しません。");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    }
    return QString();
}

QString RuntimeError::message() const
{
    QString text = QStringLiteral("実行時エラー '%1': %2").arg(int(m_number)).arg(description(m_number));
    if (!m_detail.isEmpty())
        text += QLatin1Char('\n') + m_detail;
    return text;
}

} // namespace sorvex
