#pragma once

#include <QString>

// Notices more than one screen shows, worded once.
namespace zuvek::notices {

// A code was asked for and none was typed.
inline const QString kEnterCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
// No subject has the code typed.
inline const QString kNoSuchSubject = QStringLiteral("فردي با اين مشخصات وجود ندارد");
// A number box refused a key.
inline const QString kMustBeNumber = QStringLiteral("شما بايد عدد وارد كنيد");

} // namespace zuvek::notices
