#include "platform/data_exchange.h"

#include "platform/dialog.h"
#include "platform/log_pane.h"
#include "platform/message_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <limits>

CDataExchange::CDataExchange(CDialog& dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_dialog(dialog) {}

QWidget* CDataExchange::PrepareControl(int controlId) {
    m_lastControl = m_dialog.GetDlgItem(controlId);
    return m_lastControl;
}

void CDataExchange::Fail(const QString& message) {
    m_failed = true;
    ShowMessageBox(message.toStdString());
    if (m_lastControl == nullptr) {
        return;
    }
    m_lastControl->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(m_lastControl)) {
        edit->selectAll();
    }
}

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// A typing limit must never cut a value that is already longer: it would be stored shortened
// on OK without anyone having changed it. Such a value is shown whole, and its check refuses it.
void SetWholeText(QLineEdit& edit, const QString& text) {
    if (text.size() > edit.maxLength()) {
        edit.setMaxLength(static_cast<int>(text.size()));
    }
    edit.setText(text);
}

} // namespace

bool ParseDialogInteger(const QString& text, int& value) {
    qsizetype at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        ++at;
    }
    const qsizetype firstDigit = at;
    long long magnitude = 0;
    for (; at < text.size() && text[at].isDigit() && text[at].unicode() < 128; ++at) {
        magnitude = std::min(magnitude * 10 + (text[at].unicode() - u'0'), 1LL << 40);
    }
    if (at == firstDigit) {
        return false;
    }
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    if (at != text.size()) {
        return false;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    value = static_cast<int>(std::clamp<long long>(signedValue, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
    return true;
}

void DDX_Text(CDataExchange& dx, int controlId, QString& value) {
    if (!dx.Active()) {
        return;
    }
    QWidget* control = dx.PrepareControl(controlId);
    const bool save = dx.m_bSaveAndValidate;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        save ? void(value = edit->text()) : SetWholeText(*edit, value);
    } else if (auto* pane = qobject_cast<QPlainTextEdit*>(control)) {
        save ? void(value = PaneText(*pane)) : SetPaneText(*pane, value);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        save ? void(value = label->text()) : label->setText(value);
    }
}

void DDX_Text(CDataExchange& dx, int controlId, int& value) {
    if (!dx.Active()) {
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(dx.PrepareControl(controlId));
    if (edit == nullptr) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        edit->setText(QString::number(value));
    } else if (!ParseDialogInteger(edit->text(), value)) {
        dx.Fail(QStringLiteral("Please enter an integer."));
    }
}

void DDX_Check(CDataExchange& dx, int controlId, int& value) {
    if (!dx.Active()) {
        return;
    }
    auto* box = qobject_cast<QCheckBox*>(dx.PrepareControl(controlId));
    if (box == nullptr) {
        return;
    }
    if (dx.m_bSaveAndValidate) {
        value = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(value != 0);
    }
}

void DDX_Check(CDataExchange& dx, int controlId, bool& value) {
    int checked = value ? 1 : 0;
    DDX_Check(dx, controlId, checked);
    value = checked != 0;
}

void DDV_MaxChars(CDataExchange& dx, const QString& value, int maxChars) {
    if (!dx.Active()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        if (auto* edit = qobject_cast<QLineEdit*>(dx.LastControl())) {
            edit->setMaxLength(std::max(maxChars, static_cast<int>(edit->text().size())));
        }
    } else if (value.size() > maxChars) {
        dx.Fail(QStringLiteral("Please enter no more than %1 characters.").arg(maxChars));
    }
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue) {
    if (dx.Active() && dx.m_bSaveAndValidate && (value < minValue || value > maxValue)) {
        dx.Fail(QStringLiteral("Please enter an integer between %1 and %2.")
                    .arg(minValue)
                    .arg(maxValue));
    }
}
