#pragma once

#include "support/TestFolder.h"

#include <QString>
#include <QStringList>

namespace zuvek::test {

// Stores a subject straight into the file: its IDE row (unless `withParticulars`
// is false) and its Answer row. `answers` holds the ten stored values, item 1
// first; an empty text stays NULL, as an item never answered does.
inline bool addSubject(const TestFolder& folder, const QString& code, const QStringList& answers,
                       bool withParticulars = true, const QString& group = QStringLiteral("C"),
                       const QString& self = QString()) {
    auto quote = [](const QString& v) {
        QString s = v;
        s.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + s + QLatin1Char('\'');
    };
    if (withParticulars) {
        const QString sql =
            QStringLiteral("INSERT INTO IDE (Code, FName, LName, Sen, Jens, Taahol, Tahsil, "
                           "\"Group\", Date, Time, self) VALUES (%1, 'مریم', 'احمدی', '31', 'زن', "
                           "'مجرد', 'کارشناسی', %2, '1403/05/12', '10:20', %3)")
                .arg(quote(code), quote(group), self.isNull() ? QStringLiteral("NULL") : quote(self));
        if (!TestFolder::execSql(folder.databasePath(), sql))
            return false;
    }
    QStringList values;
    for (int i = 0; i < 10; ++i) {
        const QString a = answers.value(i);
        values << (a.isEmpty() ? QStringLiteral("NULL") : quote(a));
    }
    return TestFolder::execSql(
        folder.databasePath(),
        QStringLiteral("INSERT INTO Answer (Code, \"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\", "
                       "\"8\", \"9\", \"10\") VALUES (%1, %2)")
            .arg(quote(code), values.join(QLatin1Char(','))));
}

// Ten stored answers: `ups` items stored "1", the rest "-1".
inline QStringList answersWith(int ups) {
    QStringList a;
    for (int i = 0; i < 10; ++i)
        a << (i < ups ? QStringLiteral("1") : QStringLiteral("-1"));
    return a;
}

} // namespace zuvek::test
