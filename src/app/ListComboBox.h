#pragma once

#include <QComboBox>

#include <functional>

// An editable drop-down list that refreshes its items each time it opens.
class ListComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ListComboBox(QWidget *parent = nullptr);

    void setBeforePopup(std::function<void()> refresh) { m_beforePopup = std::move(refresh); }
    void showPopup() override;

private:
    std::function<void()> m_beforePopup;
};
