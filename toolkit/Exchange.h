#pragma once

#include <QString>

#include <cstdint>
#include <string>

class CChoiceList;
class CForm;
class QWidget;

// One run of a form's bindings in one direction. Every Exchange... helper does nothing once
// the exchange has failed, so the bindings after a failing one are not run.
class CExchange {
public:
    CExchange(CForm* pForm, bool bSaveAndValidate);

    const bool m_bSaveAndValidate; // true: controls to data; false: data to controls
    CForm* const m_pForm;

    bool Failed() const { return m_bFailed; }
    // Stops the exchange at control nControlId and gives that control the focus (a field
    // also gets its text selected). The caller has already told the user why.
    void Fail(int nControlId);

    // Marks nControlId as the binding now running and returns its widget (nullptr when the
    // form has no such control). Validators that follow a binding fail at this control.
    QWidget* PrepareControl(int nControlId);
    int LastControl() const { return m_nLastControl; }

private:
    bool m_bFailed = false;
    int m_nLastControl = -1;
};

// Drop-down text. Save: the text of list's current row ("" when none). Load: selects, in the
// drop-down and in list, the first of list's rows that begins with value (case ignored);
// when none does, the selection stays.
void ExchangeListText(CExchange& ex, int id, std::string& value, CChoiceList& list);

// Save direction only: more than nMax characters (not bytes) tells the user and fails the
// exchange at the control exchanged last.
void ValidateMaxChars(CExchange& ex, const std::string& value, int nMax);

// Load direction only: the drop-down shows list's rows, current row and enabled flag. An
// unchanged list costs a comparison of its revision and touches nothing.
void ExchangeChoiceList(CExchange& ex, int id, const CChoiceList& list);

// Current row (-1: none). Save: list's current index; load: the drop-down shows row index.
void ExchangeIndex(CExchange& ex, int id, int32_t& index, const CChoiceList& list);

// Field text as a decimal 32-bit integer. Save: blanks around an optionally signed number
// are allowed; anything else, or a number out of range, tells the user and fails.
void ExchangeInt(CExchange& ex, int id, int32_t& value);

// Caption of a label, group box, button or field.
void ExchangeCaption(CExchange& ex, int id, QString& text);
