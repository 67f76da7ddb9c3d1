#pragma once

#include <QHash>
#include <QString>

class QWidget;
namespace zuvek {
class DataSource;
}

// The two printed reports, each shown first in a preview window (not modal)
// from which the user prints or saves a PDF. A print command binds a report to
// one of its screen's data sources and writes label captions by
// "Section.Label" name (e.g. "Section5.Label14") before it is shown.
namespace zuvek::reports {

// DataRPrint: the list of subjects, one line per visible row of `source` (IDE).
void showSubjectList(QWidget* owner, DataSource* source, const QHash<QString, QString>& captions);
// DataR1: the result sheet of the subject on the current row of `source` (IDE).
void showResultSheet(QWidget* owner, DataSource* source, const QHash<QString, QString>& captions);


} // namespace zuvek::reports
