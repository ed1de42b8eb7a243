#include "runtimeerror.h"

namespace sorvex {

namespace {

QString description(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::Overflow:
        return QStringLiteral("オーバーフローしました。");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("型が一致しません。");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case ErrorNumber::PathFileAccess:
        return QStringLiteral("パス名が無効です。");
    case ErrorNumber::InvalidPicture:
        return QStringLiteral("ピクチャが不正です。");
    }
    return QString();
}

} // namespace

RuntimeError::RuntimeError(ErrorNumber number, const QString &detail)
    : std::runtime_error(description(number).toStdString())
    , m_number(number)
    , m_detail(detail)
{}

QString RuntimeError::message() const
{
    QString text = QStringLiteral("実行時エラー '%1': %2").arg(int(m_number)).arg(description(m_number));
    if (!m_detail.isEmpty())
        text += QLatin1Char('\n') + m_detail;
    return text;
}

} // namespace sorvex
