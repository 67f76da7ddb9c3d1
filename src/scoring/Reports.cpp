#include "scoring/Reports.h"

#include "scoring/DataR1.h"
#include "scoring/DataRPrint.h"

#include <QPrintPreviewDialog>

namespace zuvek::reports {
namespace {

// Every showing makes its report afresh: the rows are numbered from 1 each
// time, and a list never carries a caption written by an earlier command (a
// group list has no clinic name).
void show(Report* report, const QString& title, QWidget* owner, DataSource* source,
          const QHash<QString, QString>& captions) {
    report->bind(source);
    for (auto it = captions.cbegin(); it != captions.cend(); ++it)
        report->setCaption(it.key(), it.value());
    report->showPreview(owner, title);
}

} // namespace

void showSubjectList(QWidget* owner, DataSource* source, const QHash<QString, QString>& captions) {
    show(new DataRPrint, QStringLiteral("فهرست آزمودني ها"), owner, source, captions);
}

void showResultSheet(QWidget* owner, DataSource* source, const QHash<QString, QString>& captions) {
    show(new DataR1, QStringLiteral("نتيجه آزمودني"), owner, source, captions);
}

} // namespace zuvek::reports
