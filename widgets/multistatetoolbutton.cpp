#include "multistatetoolbutton.h"

#include <QtCore/QEvent>
#include <QtGui/QFontMetrics>
#include <QtWidgets/QWidget>

MultiStateToolButton::MultiStateToolButton(QWidget *parent)
    : QToolButton(parent)
{
}

MultiStateToolButton::~MultiStateToolButton() = default;

void MultiStateToolButton::setText(const QString &text)
{
    if (!m_sheetsPrepared)
        prepareSheets();
    fitWidth(text);
    QAbstractButton::setText(text);
}

void MultiStateToolButton::fitWidth(const QString &text)
{
    // Always the bold face, so that tabs do not change width when they turn
    // bold.
    QFont bold = font();
    bold.setBold(true);
    const qint64 width = QFontMetrics(bold).horizontalAdvance(text) + 2 * qint64(m_textPadding);
    // An absurd padding gives the narrowest or widest width Qt allows (a
    // minimum of QWIDGETSIZE_MAX itself would read as no minimum).
    setFixedWidth(int(qBound(qint64(0), width, qint64(QWIDGETSIZE_MAX - 1))));
}

bool MultiStateToolButton::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        m_polished = true;
    return QToolButton::event(event);
}

void MultiStateToolButton::changeEvent(QEvent *event)
{
    // The width is the one of the font the button has once its form is put
    // together. QUiLoader builds a stacked page apart and then moves it into
    // the stack, which is when the sheet's font arrives: after the text.
    // Polishing and later font changes leave the width as setText fixed it,
    // as the forms expect.
    if (event->type() == QEvent::FontChange && m_sheetsPrepared && !m_polished)
        fitWidth(text());
    QToolButton::changeEvent(event);
}

void MultiStateToolButton::prepareSheets()
{
    m_normalSheet = styleSheet();
    m_highlightSheet = m_normalSheet;

    const int selector = m_highlightSheet.indexOf(QLatin1String("QToolButton"));
    if (selector != -1) {
        const int open = m_highlightSheet.indexOf(QLatin1Char('{'), selector);
        if (open != -1)
            m_highlightSheet.insert(open + 1, QLatin1String("font: bold;"));
        // Without a '{' this searches from -1, i.e. only the last character
        // can match; the hosts' sheets were written against that.
        const int close = m_highlightSheet.indexOf(QLatin1Char('}'), open);
        if (close != -1)
            m_highlightSheet.insert(close, QLatin1String("color: white;"));
    }
    m_sheetsPrepared = true;
}

void MultiStateToolButton::setSelected(bool selected)
{
    m_selected = selected;
}

void MultiStateToolButton::setSelectedSheet(const QString &sheet)
{
    m_selectedSheet = sheet;
}

void MultiStateToolButton::setTextPadding(int pixels)
{
    m_textPadding = pixels;
}

void MultiStateToolButton::applyHighlight()
{
    m_highlighted = true;
    setStyleSheet(m_highlightSheet);
}

void MultiStateToolButton::applyNormal()
{
    m_highlighted = false;
    setStyleSheet(m_normalSheet);
}

void MultiStateToolButton::applySelected()
{
    setStyleSheet(m_selectedSheet);
}

void MultiStateToolButton::focusInEvent(QFocusEvent *event)
{
    if (!m_selectedSheet.isEmpty())
        applyHighlight();
    QToolButton::focusInEvent(event);
}

void MultiStateToolButton::focusOutEvent(QFocusEvent *event)
{
    if (!m_selectedSheet.isEmpty()) {
        if (m_selected)
            applySelected();
        else
            applyNormal();
    }
    QToolButton::focusOutEvent(event);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void MultiStateToolButton::enterEvent(QEnterEvent *event)
#else
void MultiStateToolButton::enterEvent(QEvent *event)
#endif
{
    // A hovered selected tab shows the normal sheet so that its hover rules
    // apply; the selected look comes back on leave.
    if (!m_selectedSheet.isEmpty()) {
        if (m_highlighted)
            applyHighlight();
        else
            applyNormal();
    }
    QToolButton::enterEvent(event);
}

void MultiStateToolButton::leaveEvent(QEvent *event)
{
    // A focused tab keeps its highlight until focus leaves.
    if (!m_selectedSheet.isEmpty() && !hasFocus()) {
        if (m_selected)
            applySelected();
        else
            applyNormal();
    }
    QToolButton::leaveEvent(event);
}
