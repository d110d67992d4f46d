#pragma once

#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

#include <vector>

namespace runtime {

// An option button. The option buttons with the same parent widget form one
// group: selecting one, by a click or from code, clears the others; clearing
// one from code touches only that one, so code can leave none selected.
// A click on the selected button keeps it selected.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    OptionButton(const QString& caption, QWidget* parent);

    bool value() const { return isChecked(); }
    void setValue(bool selected);

protected:
    void nextCheckState() override;

private:
    void clearOthers();
};

// A tab control. Each tab is a page that covers the whole control, so the
// controls placed on a tab take positions relative to the tab control, the
// tab captions included; only the page of the tab in front is shown.
class TabControl : public QWidget
{
    Q_OBJECT
public:
    TabControl(const QStringList& captions, QWidget* parent);

    QWidget* page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    int tab() const { return m_tabBar->currentIndex(); }
    void setTab(int index) { m_tabBar->setCurrentIndex(index); }
    QTabBar* tabBar() const { return m_tabBar; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showPage(int index);

    QTabBar* m_tabBar;
    std::vector<QWidget*> m_pages;
};

} // namespace runtime
