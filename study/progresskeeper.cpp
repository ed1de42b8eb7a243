#include "progresskeeper.h"

#include "progressfile.h"
#include "studyprogress.h"

#include <QDir>

namespace sorvex {

ProgressKeeper::ProgressKeeper(StudyProgress &progress, const QString &path, QObject *parent)
    : QObject(parent)
    , m_progress(progress)
    , m_path(path)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(saveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &ProgressKeeper::flush);
    connect(&m_progress, &StudyProgress::changed, this, &ProgressKeeper::changed);
}

ProgressKeeper::~ProgressKeeper()
{
    flush();
}

void ProgressKeeper::changed()
{
    if (m_path.isEmpty())
        return;
    m_dirty = true;
    if (!m_timer.isActive())
        m_timer.start();
}

void ProgressKeeper::flush()
{
    m_timer.stop();
    if (!m_dirty)
        return;
    QString error;
    if (saveProgress(m_path, m_progress, &error)) {
        m_dirty = false;
        return;
    }
    if (!m_failureReported) {
        m_failureReported = true;
        emit saveFailed(
                tr("研究の記録を %1 に保存できませんでした。\n%2").arg(QDir::toNativeSeparators(m_path), error));
    }
}

} // namespace sorvex
