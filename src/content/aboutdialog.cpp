#include "aboutdialog.h"

#include "platform/widgets.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using namespace larendo::platform;

TOKRightDlg::TOKRightDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OKRightDlg"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(559, 265);
    setBackground(this, colors::SkyBlue);

    makePicture(this, "Image1", ":/images/about.png", 16, 16, 137, 129);

    const QFont font = formFont("Times New Roman", 16, true);
    const char *lines[] = {
        "Данное электронное пособие",
        "предназначено для изучения магистрантами",
        " специальности \"Математика\"",
        "по дисциплине \"Ларендо\"",
    };
    int y = 24;
    int n = 1;
    for (const char *line : lines) {
        makeLabel(this, QByteArray("Label" + QByteArray::number(n++)).constData(), QString::fromUtf8(line), font,
                  colors::Black, 176, y, 370, 22);
        y += 26;
    }
    makeLabel(this, "Label5", QStringLiteral("Учебный центр кафедры, 2026 год"), font, colors::Black, 176, 170, 370, 22);

    // A long path is shortened in the middle; the whole one is its tooltip and can be selected.
    CourseFolderLabel = makeLabel(this, "Label6", {}, formFont("MS Sans Serif", 13), colors::Black, 16, 196, 527, 20);
    CourseFolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    centreOnScreen(this);

    OKBtn = new QPushButton(QStringLiteral("Закрыть"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setFont(formFont("MS Sans Serif", 13, true));
    OKBtn->setGeometry((559 - 100) / 2, 220, 100, 30);
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
}

void TOKRightDlg::OKBtnClick() { done(QDialog::Accepted); }

void TOKRightDlg::showCourseFolder(const QString &folder)
{
    const QString text = QStringLiteral("Папка курса: ") + QDir::toNativeSeparators(folder);
    CourseFolderLabel->setText(
        QFontMetrics(CourseFolderLabel->font()).elidedText(text, Qt::ElideMiddle, CourseFolderLabel->width()));
    CourseFolderLabel->setToolTip(text);
}
