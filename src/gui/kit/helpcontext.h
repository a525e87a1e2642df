#pragma once

#include <QObject>
#include <QVariant>

// Every control and menu item carries the number of its topic in the help file.
inline constexpr char kHelpContextProperty[] = "HelpContext";

inline void SetHelpContext(QObject* object, int context) {
    object->setProperty(kHelpContextProperty, context);
}

inline int HelpContextOf(const QObject* object) {
    return object->property(kHelpContextProperty).toInt();
}
