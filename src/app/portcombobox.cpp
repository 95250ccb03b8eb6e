#include "app/portcombobox.h"

void PortComboBox::showPopup()
{
    if (beforeShowingPorts)
        beforeShowingPorts();
    QComboBox::showPopup();
}

void PortComboBox::setBeforeShowingPorts(std::function<void()> refresh)
{
    beforeShowingPorts = std::move(refresh);
}
