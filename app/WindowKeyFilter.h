#pragma once

#include <QObject>

class InputHook;

// The keyboard procedure's source of last resort: while no system-wide
// keyboard input is installed, key events of the program's own windows feed
// it, so recording works without extra rights. Events pass on unchanged.
class WindowKeyFilter : public QObject
{
    Q_OBJECT
public:
    explicit WindowKeyFilter(InputHook &hook, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    InputHook &m_hook;
};
