#pragma once
// The class grade sheet window: the sheet as a table sortable by any column,
// the means kept in the last row, export to CSV and printing (or a PDF).
#include "admin/gradesheet.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QPrinter;

class TGradeSheet : public QDialog {
    Q_OBJECT
public:
    explicit TGradeSheet(QWidget *parent = nullptr);

    // Fills the table with the sheet; the window keeps it for export and printing.
    void showSheet(const larendo::admin::GradeSheet &sheet);

    void ExportClick();
    void PrintClick();
    // Prints the sheet on a printer the print dialog has set up.
    void printTo(QPrinter &printer) const;

    QLabel *Caption = nullptr;
    QTableView *Table = nullptr;
    QPushButton *ExportButton = nullptr;
    QPushButton *PrintButton = nullptr;
    QPushButton *CloseButton = nullptr;

private:
    // The sheet with its rows in the order the table shows them now.
    larendo::admin::GradeSheet sheetAsShown() const;

    larendo::admin::GradeSheet sheet_;
    QStandardItemModel *model_ = nullptr;
};
