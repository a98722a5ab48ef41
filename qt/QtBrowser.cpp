// The preview's browser on Qt WebEngine. A page area holds the engine's view and a notice
// that takes its place when the engine cannot run or its page process dies.
#include "qt/QtBrowser.h"

#include "qt/Binder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPointer>
#include <QStackedWidget>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#if defined(__SANITIZE_ADDRESS__)
// Chromium frees some of its objects through a base of another size, and leaves its
// singletons for the process to reclaim: neither is ours to mend, and both would stop
// any sanitized program that shows a page.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6WebEngineCore.so\nleak:libfontconfig.so\n";
}
#endif

namespace tolva::qt {

struct QtBrowser::Impl {
    QPointer<QStackedWidget> area;
    QPointer<QLabel> notice;
    QPointer<QWebEngineView> view;
    bool loading = false;
    QUrl home;
    QUrl requested;

    void showView() {
        if (area && view) area->setCurrentWidget(view);
    }
};

QtBrowser::QtBrowser() : d_(std::make_unique<Impl>()) {}
QtBrowser::~QtBrowser() = default;

QString QtBrowser::cannotStart() {
    // Without its page process the engine ends the whole program at the first page.
    QStringList places;
    QString given = qEnvironmentVariable("QTWEBENGINE_PROCESS_PATH");
    if (!given.isEmpty()) places << given;
    places << QCoreApplication::applicationDirPath() + QStringLiteral("/QtWebEngineProcess")
           << QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                  QStringLiteral("/QtWebEngineProcess");
    for (const QString& p : places)
        if (QFileInfo(p).isExecutable()) return {};
    return QStringLiteral("its page process, QtWebEngineProcess, is not installed");
}

QWidget* QtBrowser::makePageArea(QWidget* parent) {
    auto* area = new QStackedWidget(parent);
    auto* notice = new QLabel(area);
    notice->setObjectName(QStringLiteral("browserNotice"));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignCenter);
    notice->setMargin(24);
    area->addWidget(notice);
    d_->area = area;
    d_->notice = notice;
    d_->loading = false;

    QString problem = cannotStart();
    if (!problem.isEmpty()) {
        notice->setText(QStringLiteral("The preview browser cannot start: %1.").arg(problem));
        return area;
    }
    auto* view = new QWebEngineView(area);
    view->setObjectName(QStringLiteral("brwWebBrowser"));
    view->setAccessibleName(QStringLiteral("Page"));
    area->addWidget(view);
    area->setCurrentWidget(view);
    d_->view = view;
    QObject::connect(view, &QWebEngineView::loadStarted, view, [this] { d_->loading = true; });
    QObject::connect(view, &QWebEngineView::urlChanged, view, [this] {
        if (auto raise = NavigateComplete) raise();
    });
    QObject::connect(view, &QWebEngineView::loadFinished, view, [this] {
        d_->loading = false;
        if (auto raise = DownloadComplete) raise();
    });
    QObject::connect(
        view->page(), &QWebEnginePage::renderProcessTerminated, view,
        [this](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
            if (status == QWebEnginePage::NormalTerminationStatus) return;
            d_->loading = false;
            if (!d_->notice) return;
            d_->notice->setText(
                QStringLiteral("The preview browser stopped (exit code %1). Refresh tries again.")
                    .arg(code));
            d_->area->setCurrentWidget(d_->notice);
        });
    return area;
}

void QtBrowser::navigate(forms::StringView url) {
    QUrl u = QUrl::fromUserInput(toQt(url), QDir::currentPath(), QUrl::AssumeLocalFile);
    d_->requested = u;
    if (u.isLocalFile()) d_->home = u;
    if (!d_->view) return;
    d_->showView();
    // The same page again (a save, F5) keeps its place on screen.
    if (u == d_->view->url())
        d_->view->reload();
    else
        d_->view->load(u);
}

void QtBrowser::goBack() {
    if (d_->view) d_->view->back();
}

void QtBrowser::goForward() {
    if (d_->view) d_->view->forward();
}

void QtBrowser::goHome() {
    if (d_->home.isValid()) navigate(fromQt(d_->home.toString(QUrl::PreferLocalFile)));
}

void QtBrowser::goSearch() {
    navigate(u"about:blank");
}

void QtBrowser::stop() {
    if (d_->view) d_->view->stop();
}

void QtBrowser::refresh() {
    if (!d_->view) return;
    d_->showView();
    d_->view->reload();
}

forms::String QtBrowser::locationName() {
    if (d_->view && !d_->view->title().isEmpty()) return fromQt(d_->view->title());
    return locationURL();
}

forms::String QtBrowser::locationURL() {
    QUrl u = d_->view && !d_->view->url().isEmpty() ? d_->view->url() : d_->requested;
    return fromQt(u.toString(QUrl::PreferLocalFile));
}

bool QtBrowser::busy() {
    return d_->view && d_->loading;
}

} // namespace tolva::qt
