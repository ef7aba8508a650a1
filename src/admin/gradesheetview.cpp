#include "gradesheetview.h"

#include "platform/clock.h"
#include "platform/ui.h"
#include "platform/widgets.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace larendo;

using namespace larendo::admin;

namespace {

constexpr int kSortRole = Qt::UserRole;

// Sorts the users' rows and keeps the means' row last in either order.
class PinnedLastRow : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const int last = sourceModel()->rowCount() - 1;
        const bool leftLast = left.row() == last;
        const bool rightLast = right.row() == last;
        if (leftLast || rightLast) // a descending sort reverses the answer: say the opposite there
            return sortOrder() == Qt::AscendingOrder ? rightLast && !leftLast : leftLast && !rightLast;
        return QSortFilterProxyModel::lessThan(left, right);
    }
};

QStandardItem *item(const QString &text, const QVariant &sortKey, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *cell = new QStandardItem(text);
    cell->setData(sortKey, kSortRole);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    cell->setEditable(false);
    return cell;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TGradeSheet::TGradeSheet(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GradeSheet"));
    setWindowTitle(QStringLiteral("Ведомость"));
    setModal(true);
    resize(860, 560);
    auto *layout = new QVBoxLayout(this);
    Caption = new QLabel(this);
    Caption->setObjectName(QStringLiteral("Caption"));
    Caption->setFont(platform::formFont("Times New Roman", 21, true));
    layout->addWidget(Caption);

    model_ = new QStandardItemModel(this);
    auto *proxy = new PinnedLastRow(this);
    proxy->setSourceModel(model_);
    proxy->setSortRole(kSortRole);
    proxy->setSortLocaleAware(true);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    Table = new QTableView(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setModel(proxy);
    Table->setFont(platform::formFont("MS Sans Serif", 15));
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setAlternatingRowColors(true);
    Table->verticalHeader()->setVisible(false);
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->horizontalHeader()->setSortIndicatorShown(true);
    Table->setSortingEnabled(true);
    layout->addWidget(Table, 1);

    auto *buttons = new QHBoxLayout;
    ExportButton = button(this, "ExportButton", QStringLiteral("Экспорт…"));
    PrintButton = button(this, "PrintButton", QStringLiteral("Печать…"));
    CloseButton = button(this, "CloseButton", QStringLiteral("Закрыть"));
    buttons->addWidget(ExportButton);
    buttons->addWidget(PrintButton);
    buttons->addStretch(1);
    buttons->addWidget(CloseButton);
    layout->addLayout(buttons);
    for (QPushButton *b : {ExportButton, PrintButton, CloseButton})
        b->setFont(platform::formFont("MS Sans Serif", 16, true));
    platform::onSignal(ExportButton, &QPushButton::clicked, this, [this] { ExportClick(); });
    platform::onSignal(PrintButton, &QPushButton::clicked, this, [this] { PrintClick(); });
    platform::onSignal(CloseButton, &QPushButton::clicked, this, [this] { close(); });
}

void TGradeSheet::showSheet(const GradeSheet &sheet)
{
    sheet_ = sheet;
    Caption->setText(QStringLiteral("Ведомость: пользователей — %1").arg(sheet.rows.size()));
    model_->clear();
    QStringList header{kNameCaption};
    for (const int test : sheet.tests)
        header.append(testCaption(test));
    header.append(kProblemCaption);
    model_->setHorizontalHeaderLabels(header);
    for (const GradeRow &row : sheet.rows) {
        QList<QStandardItem *> cells{item(row.name, row.name)};
        for (const int grade : row.grades)
            cells.append(item(cellText(grade), grade, Qt::AlignHCenter));
        cells.append(item(row.problem, row.problem));
        model_->appendRow(cells);
    }
    QList<QStandardItem *> means{item(kMeanCaption, QString())};
    for (const std::optional<double> &mean : sheet.means)
        means.append(item(meanText(mean), mean.value_or(0), Qt::AlignHCenter));
    means.append(item(QString(), QString()));
    for (QStandardItem *cell : means) {
        QFont bold = cell->font();
        bold.setBold(true);
        cell->setFont(bold);
    }
    model_->appendRow(means);
    Table->sortByColumn(-1, Qt::AscendingOrder); // the list's own order until a column is chosen
    Table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    Table->resizeColumnsToContents();
}

GradeSheet TGradeSheet::sheetAsShown() const
{
    GradeSheet shown = sheet_;
    shown.rows.clear();
    const QAbstractItemModel *view = Table->model();
    for (int r = 0; r < view->rowCount(); ++r) {
        const int row = static_cast<const QSortFilterProxyModel *>(view)->mapToSource(view->index(r, 0)).row();
        if (row < sheet_.rows.size()) // the means' row is not a user's
            shown.rows.append(sheet_.rows[row]);
    }
    return shown;
}

void TGradeSheet::ExportClick()
{
    // The teacher's documents rather than the course folder, which a whole class may share.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString name = QStringLiteral("Ведомость %1.csv").arg(platform::now().date().toString(u"dd.MM.yyyy"));
    const std::optional<QString> file =
        platform::chooseFile(this, {platform::FileDialogKind::Save, QStringLiteral("Экспорт ведомости"),
                                    QDir(folder).filePath(name), QStringLiteral("Таблица CSV (*.csv);;Все файлы (*)")});
    if (!file)
        return;
    saveGradeSheetCsv(sheetAsShown(), *file);
    platform::showBox(this, platform::MessageKind::Information,
                      QStringLiteral("Ведомость записана в файл:\n%1").arg(QDir::toNativeSeparators(*file)));
}

void TGradeSheet::printTo(QPrinter &printer) const
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
    document.setHtml(gradeSheetHtml(sheetAsShown(), platform::now()));
    document.print(&printer);
}

void TGradeSheet::PrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Ведомость"));
    if (platform::choosePrinter(this, printer))
        printTo(printer);
}
