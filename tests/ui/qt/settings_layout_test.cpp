// Whether the texts fit their controls depends on the fonts the toolkit measures with.
#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "platform/qt/dialog_window.h"
#include "resources/resource_ids.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QList<QWidget*> ControlsOf(const CDialog& dialog) {
    QWidget* clientArea = ToWidget(dialog.GetDlgItem(IDOK))->parentWidget();
    return clientArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QString Describe(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    return control->property("controlId").toString();
}

// A text the font needs more room for than its control offers would be cut off on screen.
bool TextFits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->pixmap().isNull() ? label->heightForWidth(label->width()) <= label->height()
                                        : true;
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        return box->sizeHint().width() <= box->width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        return button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width();
    }
    return true;
}

void ExpectTidy(const CDialog& dialog) {
    const QList<QWidget*> controls = ControlsOf(dialog);
    const QRect area = ToWidget(dialog.GetDlgItem(IDOK))->parentWidget()->rect();
    for (const QWidget* control : controls) {
        EXPECT_TRUE(area.contains(control->geometry())) << Describe(control).toStdString();
        EXPECT_TRUE(TextFits(control)) << "cut off: " << Describe(control).toStdString();
        for (const QWidget* other : controls) {
            const bool grouping = qobject_cast<const QGroupBox*>(control) != nullptr ||
                                  qobject_cast<const QGroupBox*>(other) != nullptr;
            EXPECT_TRUE(control == other || grouping ||
                        !control->geometry().intersects(other->geometry()))
                << Describe(control).toStdString() << " overlaps " << Describe(other).toStdString();
        }
    }
}

TEST(SettingsLayout, GeneralSettingsControlsFitTheirTextsWithoutOverlapping) {
    CGeneralSettingsDlg dialog;
    ExpectTidy(dialog);
}

TEST(SettingsLayout, LineSettingsGridHasRowsAndColumnsOfBoxes) {
    CLineSettingsDlg dialog;
    ExpectTidy(dialog);
    for (int line = 1; line <= 10; ++line) {
        for (int column = 0; column < 5; ++column) {
            const QWidget* box = qobject_cast<const QCheckBox*>(
                ToWidget(dialog.GetDlgItem(LineBoxId(line, column))));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->y(), ToWidget(dialog.GetDlgItem(LineBoxId(line, 0)))->y());
            EXPECT_EQ(box->x(), ToWidget(dialog.GetDlgItem(LineBoxId(1, column)))->x());
            if (line > 1) {
                EXPECT_GT(box->y(), ToWidget(dialog.GetDlgItem(LineBoxId(line - 1, column)))->y());
            }
        }
    }
    int pictures = 0;
    for (const QWidget* control : ControlsOf(dialog)) {
        const auto* label = qobject_cast<const QLabel*>(control);
        pictures += label != nullptr && !label->pixmap().isNull() ? 1 : 0;
    }
    EXPECT_EQ(pictures, 2);
}

} // namespace
