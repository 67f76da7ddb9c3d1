#pragma once

#include <QString>

// The key of the questionnaire. Answers are stored already keyed, so scoring
// only adds them up: agreeing with items 1 to 5 (direct items) counts +1,
// agreeing with items 6 to 10 (reversed items) counts -1, and disagreeing the
// opposite. The ten item texts in QU are written to match this split.
namespace AnswerKey {

enum class Choice { Agree, Disagree }; // "موافق" (Option1), "مخالف" (Option2)

// What the options show for a stored value: neither option, one of them, or
// (for a value this key never writes) whatever they showed before.
enum class Shown { Neither, Agree, Disagree, AsBefore };

bool IsDirectItem(int item);

// The stored value ("1" or "-1") of a choice.
QString StoreDirectAnswer(Choice choice);
QString StoreReversedAnswer(Choice choice);
QString StoreAnswer(int item, Choice choice);

// The choice a stored value stands for; the value is read as a number, so
// " 1" is 1 and an empty field is unanswered.
Shown ShowDirectAnswer(const QString& stored);
Shown ShowReversedAnswer(const QString& stored);
Shown ShowStoredAnswer(int item, const QString& stored);

} // namespace AnswerKey
