#include "ChoiceControls.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace runtime {

// -------------------------------------------------------------- OptionButton

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    // The group is kept here, since Qt's own exclusive groups never let code
    // clear the last selected button.
    setAutoExclusive(false);
}

void OptionButton::setValue(bool selected)
{
    if (selected)
        clearOthers();
    setChecked(selected);
}

void OptionButton::nextCheckState()
{
    clearOthers();
    setChecked(true);
}

void OptionButton::clearOthers()
{
    if (!parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (OptionButton* other : siblings) {
        if (other != this)
            other->setChecked(false);
    }
}

// ---------------------------------------------------------------- TabControl

TabControl::TabControl(const QStringList& captions, QWidget* parent)
    : QWidget(parent)
    , m_tabBar(new QTabBar(this))
{
    for (const QString& caption : captions) {
        m_tabBar->addTab(caption);
        auto* page = new QWidget(this);
        m_pages.push_back(page);
    }
    m_tabBar->raise();
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
    m_tabBar->setCurrentIndex(0);
    showPage(0);
}

void TabControl::showPage(int index)
{
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(static_cast<int>(i) == index);
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_tabBar->setGeometry(0, 0, width(), m_tabBar->sizeHint().height());
    for (QWidget* page : m_pages)
        page->setGeometry(rect());
    m_tabBar->raise();
}

void TabControl::paintEvent(QPaintEvent*)
{
    // The frame of the pages, below the tab captions.
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, m_tabBar->height() - 1, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace runtime
