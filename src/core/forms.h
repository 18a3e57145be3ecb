#pragma once
// The program's windows: each is created once at start-up and found again by its
// class name (its objectName), never destroyed while the program runs.

#include <QString>
#include <QWidget>

namespace core {

class Forms {
public:
    // Registers a window under its objectName (replacing an earlier one of that name).
    static void add(QWidget* window);
    static void remove(QWidget* window);
    static QWidget* find(const QString& name);
    template <class T>
    static T* get(const QString& name) { return qobject_cast<T*>(find(name)); }
    // the window of that name, created and registered when start-up has not made it
    template <class T>
    static T* ensure(const QString& name)
    {
        if (T* w = get<T>(name)) return w;
        T* w = new T;
        add(w);
        return w;
    }
    // every registered window, in the order they were added
    static QList<QWidget*> all();
};

}  // namespace core
