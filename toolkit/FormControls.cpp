#include "toolkit/FormControls.h"

#include "toolkit/CaptionLayout.h"
#include "toolkit/Form.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Applies the form's colour answer: the text colour through the palette (so the control's
// own painting uses it) and the background either through the palette or by filling.
void PrepareControlPaint(QWidget& control, CForm& form, ControlKind kind) {
    CCtlColor dc;
    const QBrush brush = form.QueryCtlColor(dc, &control, kind);

    const bool bField = kind == ControlKind::NumberField;
    const QPalette::ColorRole textRole = bField ? QPalette::Text : QPalette::WindowText;
    // Start from the form's palette each time, so an earlier answer never sticks.
    QPalette palette = form.palette();
    if (dc.textColor.isValid()) {
        // Disabled controls keep their greyed text.
        palette.setColor(QPalette::Active, textRole, dc.textColor);
        palette.setColor(QPalette::Inactive, textRole, dc.textColor);
    }
    if (bField) {
        if (brush != form.palette().brush(QPalette::Base)) {
            palette.setBrush(QPalette::Active, QPalette::Base, brush);
            palette.setBrush(QPalette::Inactive, QPalette::Base, brush);
        }
    } else if (brush != form.palette().brush(QPalette::Window)) {
        QPainter painter(&control);
        painter.fillRect(control.rect(), brush);
    }
    // No-op when nothing changed; otherwise the control repaints once more with it.
    control.setPalette(palette);
}

} // namespace

CFormLabel::CFormLabel(CForm* pForm, bool bNotify) : QLabel(pForm), m_pForm(pForm) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // Frames and texts must not swallow clicks meant for controls they overlap, nor
    // right-clicks meant for the form's menu.
    setAttribute(Qt::WA_TransparentForMouseEvents, !bNotify);
}

void CFormLabel::paintEvent(QPaintEvent* /*pEvent*/) {
    PrepareControlPaint(*this, *m_pForm, ControlKind::Label);
    // Set by hand rather than by QLabel: one font height per line and breaks at blanks only,
    // which is what the form's layout was drawn for.
    const CCaptionLayout& layout = m_layout.Get(text(), font(), width(), height());
    QPainter painter(this);
    painter.setFont(layout.font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(layout.font);
    int y = fm.ascent();
    for (const QString& line : layout.lines) {
        painter.drawText(QPoint(0, y), line);
        y += fm.height();
    }
}

void CFormLabel::mousePressEvent(QMouseEvent* pEvent) {
    m_bPressed = pEvent->button() == Qt::LeftButton;
    QLabel::mousePressEvent(pEvent);
    if (m_bPressed) {
        // Keep the release here: an ignored press would hand the click to the form.
        pEvent->accept();
    }
}

void CFormLabel::mouseReleaseEvent(QMouseEvent* pEvent) {
    const bool bClick = m_bPressed && pEvent->button() == Qt::LeftButton &&
                        rect().contains(pEvent->position().toPoint());
    m_bPressed = false;
    QLabel::mouseReleaseEvent(pEvent);
    if (bClick) {
        emit clicked();
    }
}

CFormGroupBox::CFormGroupBox(CForm* pForm) : QGroupBox(pForm), m_pForm(pForm) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CFormGroupBox::paintEvent(QPaintEvent* /*pEvent*/) {
    PrepareControlPaint(*this, *m_pForm, ControlKind::GroupBox);
    // An etched frame whose top edge runs through the middle of the caption.
    const QFontMetrics fmForm(font());
    const int nInset = fmForm.averageCharWidth();
    const CCaptionLayout& layout =
        m_layout.Get(title(), font(), width() - 4 * nInset, fmForm.height());
    const QFontMetrics fm(layout.font);
    if (m_nCaptionFor != m_layout.Generation()) {
        m_caption = layout.lines.join(QLatin1Char(' '));
        m_nCaptionWidth = fm.horizontalAdvance(m_caption);
        m_nCaptionFor = m_layout.Generation();
    }
    const int nTop = fmForm.height() / 2;
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, nTop, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (m_caption.isEmpty()) {
        return;
    }
    const QRect captionRect(nInset, 0, m_nCaptionWidth + nInset, fmForm.height());
    painter.fillRect(captionRect, palette().brush(QPalette::Window));
    painter.setFont(layout.font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(
        QPoint(nInset + nInset / 2, (fmForm.height() + fm.ascent() - fm.descent()) / 2), m_caption);
}

CFormField::CFormField(CForm* pForm) : QLineEdit(pForm), m_pForm(pForm) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CFormField::paintEvent(QPaintEvent* pEvent) {
    PrepareControlPaint(*this, *m_pForm, ControlKind::NumberField);
    QLineEdit::paintEvent(pEvent);
}
