#pragma once
// One running copy per executable file name and user: the first copy holds a
// local server under that name; a later copy asks it to come to the front and
// ends. A server name left by a copy that died is removed on the next start.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace tolvane::app {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString markerName, QObject* parent = nullptr);

    // The marker of an executable: its file name, lower-cased, and the user.
    static QString MarkerFor(const QString& executableFileName);

    // True when another copy answered and was asked to activate itself.
    bool ActivateRunningCopy();
    // Registers this copy; false if the marker could not be taken.
    bool Register();

  signals:
    void ActivationRequested();

  private:
    QString markerName_;
    QLocalServer server_;
};

}  // namespace tolvane::app
