#include "scoring/Score_core.h"

#include "data/Val.h"

#include <cmath>

namespace zuvek::scoring {

QString unansweredList(const QStringList& answers) {
    QString list;
    for (int i = 0; i < answers.size(); ++i) {
        if (answers[i].isEmpty())
            list += QLatin1Char(' ') + QString::number(i + 1) + QLatin1String("  ");
    }
    return list;
}

double total(const QStringList& answers) {
    double sum = 0;
    for (const QString& a : answers)
        sum += leadingNumber(a);
    return sum;
}

QString totalText(double total) {
    // Stored answers are whole numbers, so the sum is one; a zero that picked
    // up a sign along the way still reads "0".
    if (total == 0)
        return QStringLiteral("0");
    if (std::trunc(total) == total && std::fabs(total) < 1e15)
        return QString::number(static_cast<qlonglong>(total));
    return QString::number(total, 'g', 15);
}

} // namespace zuvek::scoring
