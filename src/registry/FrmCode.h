#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class NameCombo;
class PagedRowsModel;
class Skin;
class SkinLabel;
namespace zuvek {
class DataSource;
}

// The subject browser: every registered subject in a grid, narrowed to one
// first name, family name or group; deletes a subject by code and prints the
// list of one group. Opened by the main window, which closes while it is open;
// closing the browser brings a fresh main window back.
class FrmCode : public QWidget {
    Q_OBJECT
public:
    explicit FrmCode(QWidget* parent = nullptr);

    zuvek::DataSource* Adodc1() const { return adodc1_; }
    zuvek::DataSource* Adodc2() const { return adodc2_; }
    zuvek::DataSource* Adodc3() const { return adodc3_; }
    zuvek::DataSource* Adodc4() const { return adodc4_; }
    PagedRowsModel* gridModel() const { return gridModel_; }

    void Form_Load();
    void DataCombo6_Change();
    void DataCombo1_Change();
    void Combo3_Change();
    void Command2_Click();
    void Command1_Click();
    void Command6_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left,
                            int top, int width, int height);
    QLineEdit* makeHiddenBox(const char* name);
    // The grid shows the list source's visible rows as they are now.
    void bindGrid();
    // A database failure inside a handler: its own description, titled "Error".
    void showError(const QString& description);

    zuvek::DataSource* adodc1_ = nullptr;
    zuvek::DataSource* adodc2_ = nullptr;
    zuvek::DataSource* adodc3_ = nullptr;
    zuvek::DataSource* adodc4_ = nullptr;
    Skin* skin1_ = nullptr;

    QTableView* dataGrid1_ = nullptr;
    PagedRowsModel* gridModel_ = nullptr;
    NameCombo* dataCombo6_ = nullptr;
    NameCombo* dataCombo1_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QLineEdit* text7_ = nullptr;
};
