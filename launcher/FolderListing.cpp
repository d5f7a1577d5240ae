#include "launcher/FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace marulo {

namespace {

QList<QRegularExpression> PatternsOf(const QString& mask)
{
    QList<QRegularExpression> patterns;
    for (const QString& part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        patterns.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                           QRegularExpression::CaseInsensitiveOption));
    }
    return patterns;
}

bool MatchesAny(const QString& name, const QList<QRegularExpression>& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(),
                       [&name](const QRegularExpression& p) { return p.match(name).hasMatch(); });
}

} // namespace

QStringList ListFolder(const QString& folder, const QString& mask)
{
    QStringList names;
    if (!folder.isEmpty()) {
        const QList<QRegularExpression> patterns = PatternsOf(mask);
        const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries) {
            if (MatchesAny(entry.fileName(), patterns))
                names.append(entry.fileName());
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

} // namespace marulo
