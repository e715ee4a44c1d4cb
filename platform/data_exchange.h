#pragma once

#include <string>

class CDialog;

// One exchange of member values with a dialog's controls. Towards the controls every value is
// shown; from the controls values are taken over in order and checked, and the first failed
// check shows the framework's message, focuses its control and ends the exchange: the calls
// after it change nothing, while a value that was taken over before its check failed keeps
// what it took.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saveAndValidate);

    const bool m_bSaveAndValidate;

    bool Failed() const { return m_failed; }
    // True when the calls of this exchange still have work to do.
    bool Active() const { return !m_failed; }
    CDialog& Dialog() const { return m_dialog; }

    // Remembers the control a failed check refers to.
    void PrepareControl(int controlId) { m_lastControl = controlId; }
    int LastControl() const { return m_lastControl; }
    void Fail(const std::string& message);

private:
    CDialog& m_dialog;
    int m_lastControl = 0;
    bool m_failed = false;
};

// Text of an edit box, a multi-line edit box or a static text; line breaks are "\r\n".
void DDX_Text(CDataExchange& dx, int controlId, std::string& value);
// A whole number in an edit box: optional blanks, an optional sign, digits, optional blanks.
void DDX_Text(CDataExchange& dx, int controlId, int& value);
void DDX_Check(CDataExchange& dx, int controlId, int& value);
void DDX_Check(CDataExchange& dx, int controlId, bool& value);

// Towards the controls it limits what can be typed or pasted into the last edit box. Lengths
// count characters as the platform's text boxes do (UTF-16 units).
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxChars);
void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue);

// The framework's parsing of a whole number, exposed for its own tests.
bool ParseDialogInteger(const std::string& text, int& value);
