#pragma once

#include <QApplication>
#include <QAtomicPointer>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "ui/station.h"

class QThread;
class QTimer;
class QTranslator;
class Parameters;
class ParametersHandler;
class LogEvent;
class SpiDriver;
class LinkTransport;
class LinkClock;
class Scada;
class MainWindow;
class ProgressBarDialog;
class SplashScreen;
class SocketServerHost;

// The application object: start-up, shutdown and the long-lived services; the station of the screens.
class MainApplication : public QApplication, public Station
{
    Q_OBJECT
public:
    struct Options {
        bool spiDebug = false;
        bool windowed = false;
        bool gui = true;  // false: no splash and no main window (link and core tests)
    };

    MainApplication(int& argc, char** argv);

    // Call before the application object exists: the panel draws with the raster engine only, so the
    // desktop's OpenGL stack is not loaded (it would triple the resident memory under X11).
    static void prepareEnvironment();
    ~MainApplication() override;

    static MainApplication* getInstance();

    // Full start-up in the documented order; false when a step cannot run.
    bool init(const Options& options);

    // Start-up steps, callable one by one by tests.
    bool initDatabase();
    void initParameters();
    void initLogEvent();
    // Starts the SPI thread over `transport` (the SPI device or the simulated controller when null), polling
    // on timers or, for tests, as `clock` is moved on.
    void initSpi(LinkTransport* transport = nullptr, std::shared_ptr<LinkClock> clock = nullptr);
    void quitSpi();
    void initScada();
    void quitScada();

    float getValue(unsigned short id) const;
    int getTypeDhs() const;
    using Station::isAccess;
    using Station::isDidezorGroupCompany;

    Parameters* params() const override { return params_; }
    ParametersHandler* handler() const { return handler_; }
    MainWindow* mainWindow() const override { return mainWindow_; }
    void setMainWindow(MainWindow* window) { mainWindow_ = window; }
    LogEvent* logEvent() const override { return logEvent_; }
    SpiDriver* spiDriver() const { return spiDriver_; }
    Scada* scada() const { return scada_.loadAcquire(); }
    QThread* scadaThread() const { return scadaThread_; }
    QThread* spiThread() const { return spiThread_; }
    const Options& options() const { return options_; }

    // Durations of the start-up phases, in milliseconds (-1 until the phase has run).
    struct StartupTimes {
        qint64 database = -1;       // copy and open of the database, metadata of every parameter
        qint64 synchronisation = -1; // start of the link to the end of the first synchronisation
        qint64 window = -1;         // main window with the main screen
    };
    StartupTimes startupTimes() const { return startupTimes_; }
    QString appDir() const { return appDir_; }
    // Moves the application folder (and the database copy) elsewhere; tests run side by side with their own.
    void setAppDir(const QString& dir);

    // The 10-minute access timer restarts on every key; on expiry the granted level returns to 0.
    void restartAccessTimer();

    // The language of the texts (parameter 570): 0 Russian (the texts of the code), 1 English, 2 Spanish; any
    // other code shows Russian. The screen on show is then built anew in that language.
    void setLanguage(int language);
    int language() const { return language_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void signalMainWindowReady();

public slots:
    void slotShowWaitDialog(quint16 id, bool show);
    void quitApplication();

private slots:
    void slotSyncFinished();
    void slotSyncProgress(int done, int total);
    void closeWaitDialog();

private:
    void buildMainWindow();
    void writeIdentification();
    // Full screen and frameless on the board, a 640 x 480 window with -windowed.
    void showWindow(QWidget* window) const;

    static MainApplication* instance_;

    Options options_;
    QString appDir_;
    QTranslator* translator_ = nullptr;
    Parameters* params_ = nullptr;
    ParametersHandler* handler_ = nullptr;
    LogEvent* logEvent_ = nullptr;
    SpiDriver* spiDriver_ = nullptr;
    QThread* spiThread_ = nullptr;
    QAtomicPointer<Scada> scada_;
    QThread* scadaThread_ = nullptr;
    MainWindow* mainWindow_ = nullptr;
    QPointer<SplashScreen> splash_;
    QPointer<ProgressBarDialog> waitDialog_;
    qint64 waitDialogCreated_ = 0;
    quint16 waitDialogId_ = 0;
    // Runs while the closing of the wait dialog waits for its minimum time.
    QTimer* waitDialogClose_ = nullptr;
    QTimer* accessTimer_ = nullptr;
    int language_ = 0;
    SocketServerHost* socketHost_ = nullptr;
    bool quitting_ = false;
    bool started_ = false;
    StartupTimes startupTimes_;
    QElapsedTimer syncClock_;
};
