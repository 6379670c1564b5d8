#pragma once
// A dark desktop theme for the tests and snapshots: light text on dark
// backgrounds, and grey text on disabled controls as a real theme has it
// (without it a disabled control would look like an enabled one).
#include <QColor>
#include <QPalette>

inline QPalette DarkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 45));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(50, 50, 50));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 55));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Link, QColor(120, 170, 255));
    p.setColor(QPalette::ToolTipBase, QColor(55, 55, 55));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(45, 45, 45));
    return p;
}
