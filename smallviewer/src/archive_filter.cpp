#include "archive_filter.h"

#include <QString>

namespace brisk {
namespace {

QString dialog_patterns(const QString& pattern) {
    QStringList out;
    for (const QString& p : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        out << p;
        if (p.toLower() != p) out << p.toLower();
    }
    return out.join(QLatin1Char(' '));
}

}  // namespace

QStringList dialog_filters(const char* filter_template, const char* extensions) {
    const QString exts = QString::fromUtf8(extensions);
    QString filled = QString::fromUtf8(filter_template);
    filled.replace(QStringLiteral("%s"), exts);
    const QStringList parts = filled.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = parts[i + 1];
        if (description.isEmpty() || pattern.isEmpty()) continue;
        // The description's own "(pattern)" is where the dialog reads patterns from.
        const QString shown = QStringLiteral("(") + pattern + QStringLiteral(")");
        if (description.endsWith(shown)) description.chop(shown.size());
        filters << description.trimmed() + QStringLiteral(" (") + dialog_patterns(pattern) +
                       QStringLiteral(")");
    }
    return filters;
}

}  // namespace brisk
