#pragma once

// What the capacity model may ask of the form that shows it: the two directions of the
// data exchange and the label refresh. The model works without one.
class CFormLink {
public:
    virtual ~CFormLink() = default;
    // true: form to state; false: state to form. The model ignores the result.
    virtual bool UpdateData(bool bSaveAndValidate) = 0;
    virtual void OnLanguageChanged() = 0;
};
