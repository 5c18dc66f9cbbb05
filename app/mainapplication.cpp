#include "app/mainapplication.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPixmapCache>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QtDebug>

#include <csignal>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

#include "app/database.h"
#include "app/parameters.h"
#include "app/parametershandler.h"
#include "link/simcatalogue.h"
#include "link/socketserverhost.h"
#include "link/spidevtransport.h"
#include "link/spidriver.h"
#include "sim/simtransport.h"
#include "log/log_event.h"
#include "scada/scada.h"
#include "scada/scadafactory.h"
#include "screens/mainscreenform.h"
#include "texts/common.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/progressbardialog.h"
#include "ui/splashscreen.h"
#include "ui/uiclock.h"

MainApplication* MainApplication::instance_ = nullptr;

namespace {

int signalFds[2] = {-1, -1};

void onQuitSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here: wake the main thread.
    ssize_t ignored = ::write(signalFds[0], &byte, 1);
    (void)ignored;
}

constexpr int kAccessTimeoutMs = 10 * 60 * 1000;
constexpr qint64 kWaitDialog761MinMs = 20000;
constexpr int kPixmapCacheKb = 512;

} // namespace

MainApplication::MainApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    instance_ = this;
    Station::install(this);
    setApplicationName(QStringLiteral("rvk_gui"));
    setOrganizationName(QStringLiteral("Valdrin"));
    setApplicationVersion(QStringLiteral(RVK_VERSION));

    appDir_ = applicationDirPath();
    QDir::setCurrent(appDir_);

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalFds) == 0) {
        auto* notifier = new QSocketNotifier(signalFds[1], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [] {
            char byte;
            ssize_t ignored = ::read(signalFds[1], &byte, 1);
            (void)ignored;
            qDebug() << "MainApplication: quit signal received";
            quit();
        });
        struct sigaction sa = {};
        sa.sa_handler = onQuitSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGINT, &sa, nullptr);
        sigaction(SIGTERM, &sa, nullptr);
    }

    // The style sheet draws every selection row through Qt's pixmap cache, 10 MB by default: too much of the
    // board's memory for pictures that are cheap to draw again.
    QPixmapCache::setCacheLimit(kPixmapCacheKb);
    QFile style(QStringLiteral(":/style/style.qss"));
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));
    const QString fontPath = appDir_ + QStringLiteral("/fonts/OpenSansCondensed-Bold.ttf");
    if (QFile::exists(fontPath)) {
        const int font = QFontDatabase::addApplicationFont(fontPath);
        const QStringList families = QFontDatabase::applicationFontFamilies(font);
        if (!families.isEmpty())
            setFont(QFont(families.first()));
    }

    installEventFilter(this);
    connect(this, &QCoreApplication::aboutToQuit, this, &MainApplication::quitApplication);
}

void MainApplication::prepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

MainApplication::~MainApplication()
{
    quitApplication();
    if (Station::instance() == this)
        Station::install(nullptr);
    instance_ = nullptr;
}

void MainApplication::setAppDir(const QString& dir)
{
    appDir_ = dir;
    QDir::setCurrent(appDir_);
}

MainApplication* MainApplication::getInstance()
{
    return instance_;
}

bool MainApplication::init(const Options& options)
{
    options_ = options;
    started_ = true;
    if (!translator_)
        translator_ = new QTranslator(this);
    if (options_.gui) {
        splash_ = new SplashScreen();
        // Closing the splash before the first synchronisation ends quits the program.
        connect(splash_, &SplashScreen::signalDismissed, this, [this] {
            if (!params_ || !params_->isSynchronized())
                quit();
        });
        showWindow(splash_);
    }

    QElapsedTimer clock;
    clock.start();
    if (!initDatabase())
        return false;
    initParameters();
    startupTimes_.database = clock.elapsed();
    initLogEvent();
    initSpi(nullptr);
    return true;
}

bool MainApplication::initDatabase()
{
    return Database::install(appDir_);
}

void MainApplication::initParameters()
{
    params_ = new Parameters(this);
    params_->load();
    handler_ = new ParametersHandler(params_, this);
    connect(params_, &Parameters::signalParamUpdated, handler_, &ParametersHandler::slotParamUpdated);
    connect(handler_, &ParametersHandler::signalScadaProfileChanged, this, &MainApplication::initScada);
    connect(handler_, &ParametersHandler::signalShowWaitDialog, this, &MainApplication::slotShowWaitDialog);
    connect(handler_, &ParametersHandler::signalLanguageChanged, this, &MainApplication::setLanguage);
    connect(handler_, &ParametersHandler::signalLogCopyStart, this, [this] {
        if (mainWindow_)
            mainWindow_->slotLogCopyStart();
    });
    connect(handler_, &ParametersHandler::signalLogCopyFinish, this, [this] {
        if (mainWindow_)
            mainWindow_->slotLogCopyFinish();
    });
    connect(params_, &Parameters::signalSyncFinished, this, &MainApplication::slotSyncFinished);
}

void MainApplication::initLogEvent()
{
    logEvent_ = new LogEvent(this);
    if (handler_)
        connect(handler_, &ParametersHandler::signalLogDelFinish, logEvent_, &LogEvent::syncAllEvent);
}

void MainApplication::initSpi(LinkTransport* transport, std::shared_ptr<LinkClock> clock)
{
    if (spiThread_)
        return;
    if (!transport) {
        if (QFile::exists(QString::fromLatin1(SpidevTransport::kDefaultPath))) {
            transport = new SpidevTransport;
        } else {
            qDebug() << "MainApplication: no SPI device, the simulated main controller is used";
            transport = new SimTransport(SimCatalogue::createController());
        }
    }
    spiDriver_ = new SpiDriver(transport, logEvent_);
    spiDriver_->setDebug(options_.spiDebug);
    spiDriver_->setClock(std::move(clock));
    if (params_)
        spiDriver_->setParameterIds(params_->ids());
    spiThread_ = new QThread(this);
    spiThread_->setObjectName(QStringLiteral("spi"));
    spiDriver_->moveToThread(spiThread_);
    syncClock_.start();
    if (params_) {
        connect(params_, &Parameters::signalParamWrite, spiDriver_, &SpiDriver::slotParamWrite);
        // The SPI thread waits until the main thread has stored each value, and no longer: the mirror tells the
        // screens after the delivery has returned.
        connect(spiDriver_, &SpiDriver::signalParamUpdate, params_, &Parameters::slotParamDelivered,
                Qt::BlockingQueuedConnection);
        connect(spiDriver_, &SpiDriver::signalSyncFinished, params_, &Parameters::slotSyncFinished);
    }
    connect(spiDriver_, &SpiDriver::signalSyncProgress, this, &MainApplication::slotSyncProgress);
    connect(spiThread_, &QThread::started, spiDriver_, &SpiDriver::process);
    spiThread_->start(QThread::LowPriority);
}

void MainApplication::quitSpi()
{
    if (!spiThread_)
        return;
    if (spiDriver_) {
        spiDriver_->requestStop();
        // The blocking update connection would wait on this thread while it waits for the SPI thread.
        disconnect(spiDriver_, nullptr, this, nullptr);
        if (params_)
            disconnect(spiDriver_, nullptr, params_, nullptr);
    }
    spiThread_->quit();
    // Deliver any update the SPI thread is blocked on before waiting for it.
    while (!spiThread_->wait(10))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    delete spiDriver_;
    spiDriver_ = nullptr;
    delete spiThread_;
    spiThread_ = nullptr;
}

void MainApplication::initScada()
{
    if (!scadaThread_) {
        scadaThread_ = new QThread(this);
        scadaThread_->setObjectName(QStringLiteral("scada"));
    }
    // The old map stops serving (its engine and port are closed on the SCADA thread) before the
    // pointer that the register callbacks follow changes.
    Scada* old = scada_.loadAcquire();
    if (old)
        old->setProcessEnabled(false);
    scada_.storeRelease(nullptr);

    const int code = static_cast<int>(Common::toCode(getValue(578)) & 0xFF);
    Scada* map = ScadaFactory::create(code, params_, [this] { return spiDriver_; });
    if (!map) {
        qDebug() << "MainApplication: no register map for SCADA profile" << code;
        if (old)
            old->deleteLater();
        return;
    }
    scada_.storeRelease(map);
    map->moveToThread(scadaThread_);
    connect(scadaThread_, &QThread::finished, map, &QObject::deleteLater);
    if (!scadaThread_->isRunning()) {
        delete old;  // never started: nothing of it runs
        connect(scadaThread_, &QThread::started, map, &Scada::process);
        scadaThread_->start(QThread::LowPriority);
    } else {
        // Posted in this order to the SCADA thread: the old map and its server are gone
        // before the new one listens.
        if (old)
            old->deleteLater();
        QMetaObject::invokeMethod(map, "process", Qt::QueuedConnection);
    }
}

void MainApplication::quitScada()
{
    if (!scadaThread_)
        return;
    if (Scada* map = scada_.loadAcquire())
        map->setProcessEnabled(false);
    scadaThread_->exit(0);
    scadaThread_->wait();
    scada_.storeRelease(nullptr);
    scadaThread_->deleteLater();
    scadaThread_ = nullptr;
}

float MainApplication::getValue(unsigned short id) const
{
    return params_ ? params_->get(id) : 0.0f;
}

int MainApplication::getTypeDhs() const
{
    return Common::toInt(getValue(39));
}

void MainApplication::restartAccessTimer()
{
    if (accessTimer_)
        accessTimer_->start(kAccessTimeoutMs);
}

bool MainApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        restartAccessTimer();
    return QApplication::eventFilter(watched, event);
}

void MainApplication::setLanguage(int language)
{
    static const char* const kFiles[] = {nullptr, ":/translations/rvk_gui_en.qm", ":/translations/rvk_gui_es.qm"};
    if (language < 0 || language >= static_cast<int>(std::size(kFiles))) {
        qWarning() << "MainApplication: no language" << language << "- the texts stay Russian";
        language = 0;
    }
    if (!translator_)
        translator_ = new QTranslator(this);
    removeTranslator(translator_);
    if (kFiles[language]) {
        if (translator_->load(QString::fromLatin1(kFiles[language])))
            installTranslator(translator_);
        else
            qWarning() << "MainApplication: cannot load" << kFiles[language] << "- the texts stay Russian";
    }
    language_ = language;
    if (mainWindow_ && !quitting_)
        mainWindow_->rebuildCurrent();
}

void MainApplication::slotShowWaitDialog(quint16 id, bool show)
{
    if (show) {
        // One dialog at a time: asked again while its closing waits, it stays open.
        if (waitDialogClose_)
            waitDialogClose_->stop();
        if (waitDialog_)
            return;
        waitDialog_ = new ProgressBarDialog(tr("Ожидание применения..."), mainWindow_, 0, false);
        // A monotonic clock: the station clock may be set while the dialog is open.
        waitDialogCreated_ = UiClock::nowMs();
        waitDialogId_ = id;
        QPointer<ProgressBarDialog> dialog = waitDialog_;
        QTimer::singleShot(100, this, [dialog] {
            if (dialog)
                dialog->show();
        });
        return;
    }
    if (!waitDialog_ || (waitDialogClose_ && waitDialogClose_->isActive()))
        return;
    qint64 remaining = 0;
    if (id == 761 || waitDialogId_ == 761)
        remaining = waitDialogCreated_ + kWaitDialog761MinMs - UiClock::nowMs();
    if (remaining <= 0) {
        closeWaitDialog();
        return;
    }
    if (!waitDialogClose_) {
        waitDialogClose_ = new QTimer(this);
        waitDialogClose_->setSingleShot(true);
        connect(waitDialogClose_, &QTimer::timeout, this, &MainApplication::closeWaitDialog);
    }
    waitDialogClose_->start(static_cast<int>(remaining));
}

void MainApplication::closeWaitDialog()
{
    if (waitDialog_)
        waitDialog_->deleteLater();
    waitDialog_ = nullptr;
}

void MainApplication::slotSyncProgress(int done, int total)
{
    if (splash_)
        splash_->setProgress(done, total);
}

void MainApplication::slotSyncFinished()
{
    if (syncClock_.isValid())
        startupTimes_.synchronisation = syncClock_.elapsed();
    writeIdentification();
    // Only the program's own start-up shows the window; tests that bring up the link alone get none.
    if (started_ && options_.gui)
        buildMainWindow();
    // Closed once the main window shows, so the program never has no window open.
    if (splash_) {
        splash_->close();
        splash_->deleteLater();
        splash_ = nullptr;
    }
    // The service socket listens once the mirror holds the controller's values.
    if (started_ && !socketHost_) {
        socketHost_ = new SocketServerHost(spiDriver_, this);
        socketHost_->start();
    }
    accessTimer_ = new QTimer(this);
    accessTimer_->setSingleShot(true);
    connect(accessTimer_, &QTimer::timeout, this, [this] {
        if (params_ && getValue(572) != 0.0f)
            params_->set(572, 0, 1);
    });
    restartAccessTimer();
}

void MainApplication::writeIdentification()
{
    if (!params_)
        return;
    // Version 3.38.0 as 3.38 and the build date as Unix time.
    params_->set(541, QStringLiteral(RVK_VERSION).section('.', 0, 1).toFloat(), 0);
    const QDateTime built = QDateTime::fromString(QStringLiteral(__DATE__ " " __TIME__).simplified(),
                                                  QStringLiteral("MMM d yyyy hh:mm:ss"));
    params_->set(546, static_cast<quint32>(built.isValid() ? built.toSecsSinceEpoch() : 0), 0);
    qDebug() << "MainApplication: version" << RVK_VERSION << "revision" << RVK_REVISION;
}

void MainApplication::buildMainWindow()
{
    if (!mainWindow_) {
        QElapsedTimer clock;
        clock.start();
        mainWindow_ = new MainWindow();
        mainWindow_->addForm(new MainScreenForm(nullptr), 0);
        showWindow(mainWindow_);
        startupTimes_.window = clock.elapsed();
        qDebug() << "MainApplication: start-up database" << startupTimes_.database << "ms, synchronisation"
                 << startupTimes_.synchronisation << "ms, window" << startupTimes_.window << "ms";
    }
    emit signalMainWindowReady();
}

void MainApplication::showWindow(QWidget* window) const
{
    if (options_.windowed) {
        window->setFixedSize(640, 480);
        window->show();
    } else {
        window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
        window->setGeometry(0, 0, 640, 480);
        window->showFullScreen();
    }
}

void MainApplication::quitApplication()
{
    if (quitting_)
        return;
    quitting_ = true;
    delete splash_;
    // The service socket stops accepting and closes its clients before the driver they talk to goes.
    delete socketHost_;
    socketHost_ = nullptr;
    quitScada();
    quitSpi();
    delete mainWindow_;
    mainWindow_ = nullptr;
}
