#include "test/AnswerKey.h"

#include "data/Val.h"

namespace AnswerKey {

bool IsDirectItem(int item) {
    return item >= 1 && item <= 5;
}

QString StoreDirectAnswer(Choice choice) {
    return choice == Choice::Agree ? QStringLiteral("1") : QStringLiteral("-1");
}

QString StoreReversedAnswer(Choice choice) {
    return choice == Choice::Agree ? QStringLiteral("-1") : QStringLiteral("1");
}

QString StoreAnswer(int item, Choice choice) {
    return IsDirectItem(item) ? StoreDirectAnswer(choice) : StoreReversedAnswer(choice);
}

namespace {
Shown shown(const QString& stored, double agree) {
    if (stored.isEmpty())
        return Shown::Neither;
    const double v = zuvek::leadingNumber(stored);
    if (v == agree)
        return Shown::Agree;
    if (v == -agree)
        return Shown::Disagree;
    return Shown::AsBefore;
}
} // namespace

Shown ShowDirectAnswer(const QString& stored) {
    return shown(stored, 1);
}

Shown ShowReversedAnswer(const QString& stored) {
    return shown(stored, -1);
}

Shown ShowStoredAnswer(int item, const QString& stored) {
    return IsDirectItem(item) ? ShowDirectAnswer(stored) : ShowReversedAnswer(stored);
}

} // namespace AnswerKey
