#ifndef QUILLON_APP_PORTCOMBOBOX_H
#define QUILLON_APP_PORTCOMBOBOX_H

#include <QComboBox>

#include <functional>

// The COM list, which lets the window list the ports anew each time the user opens it. It stays
// a QComboBox to Qt's meta-object system (no Q_OBJECT of its own), as the form has it.
class PortComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;
    void showPopup() override;
    void setBeforeShowingPorts(std::function<void()> refresh);

private:
    std::function<void()> beforeShowingPorts;
};

#endif
