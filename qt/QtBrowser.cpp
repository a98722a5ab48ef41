// The preview's browser on Qt WebEngine. A page area holds the engine's view and a notice
// that takes its place when the engine cannot run or its page process dies. Typed text is
// served under its own scheme by a handler that also serves its folder's files.
#include "qt/QtBrowser.h"

#include "qt/Binder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QMimeDatabase>
#include <QPointer>
#include <QStackedWidget>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
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

namespace {

// Typed pages live at tolva-typed:/folder/page.html: the path keeps relative addresses
// resolving as they would from the file, and the scheme keeps the page off file: itself.
const QByteArray kTyped = QByteArrayLiteral("tolva-typed");

// Answers the typed page's address with its text and any other address with the file there,
// when it lies in the page's folder tree (links followed); everything else is refused.
class TypedPages : public QWebEngineUrlSchemeHandler {
public:
    QByteArray html;
    QString page;   // absolute path of the file the text stands for
    QString folder; // its folder, links followed, ending in '/'; empty when it has none

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QString asked = job->requestUrl().path();
        if (asked == page) {
            auto* text = new QBuffer;
            text->setData(html);
            reply(job, QByteArrayLiteral("text/html;charset=utf-8"), text);
            return;
        }
        const QFileInfo info(asked);
        const QString real = info.canonicalFilePath();
        if (folder.isEmpty() || !real.startsWith(folder) || !info.isFile()) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        auto* file = new QFile(real);
        if (!file->open(QIODevice::ReadOnly)) {
            delete file;
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        reply(job, QMimeDatabase().mimeTypeForFile(real).name().toUtf8(), file);
    }

private:
    static void reply(QWebEngineUrlRequestJob* job, const QByteArray& type, QIODevice* data) {
        if (auto* buffer = qobject_cast<QBuffer*>(data)) buffer->open(QIODevice::ReadOnly);
        // The engine reads the device after this returns, for as long as the job lives.
        QObject::connect(job, &QObject::destroyed, data, &QObject::deleteLater);
        job->reply(type, data);
    }
};

// A typed page, and every frame in it, reaches only its own scheme and inline data: no
// file: address (its folder's files come through TypedPages) and no network.
class TypedPageGuard : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.firstPartyUrl().scheme().toUtf8() != kTyped) return;
        const QString scheme = info.requestUrl().scheme();
        if (scheme.toUtf8() == kTyped || scheme == QLatin1String("data") ||
            scheme == QLatin1String("blob") || scheme == QLatin1String("about"))
            return;
        info.block(true);
    }
};

} // namespace

struct QtBrowser::Impl {
    QPointer<QStackedWidget> area;
    QPointer<QLabel> notice;
    QPointer<QWebEngineView> view;
    bool loading = false;
    QUrl home;
    QUrl requested;
    TypedPages typed;
    TypedPageGuard guard;
    // Where the page on screen was scrolled to, for the typed page that replaces it.
    QPointF keepAt;

    void showView() {
        if (area && view) area->setCurrentWidget(view);
    }
    void script(const QString& js) {
        // Apart from the page's own scripts, which share only the document.
        if (view) view->page()->runJavaScript(js, QWebEngineScript::ApplicationWorld);
    }
};

QtBrowser::QtBrowser() : d_(std::make_unique<Impl>()) {
    // The engine takes schemes only before it starts: the application makes its browser
    // before anything else of the engine.
    static const bool registered = [] {
        QWebEngineUrlScheme typed(kTyped);
        typed.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        typed.setFlags(QWebEngineUrlScheme::LocalScheme);
        QWebEngineUrlScheme::registerScheme(typed);
        return true;
    }();
    (void)registered;
}
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
    // A local page reaches no network, the saved file's and the typed text's alike.
    view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    view->page()->setUrlRequestInterceptor(&d_->guard);
    QWebEngineProfile* profile = view->page()->profile();
    if (profile->urlSchemeHandler(kTyped) != &d_->typed)
        profile->installUrlSchemeHandler(kTyped, &d_->typed);
    QObject::connect(view, &QWebEngineView::loadStarted, view, [this] { d_->loading = true; });
    QObject::connect(view, &QWebEngineView::urlChanged, view, [this] {
        if (auto raise = NavigateComplete) raise();
    });
    QObject::connect(view, &QWebEngineView::loadFinished, view, [this] {
        d_->loading = false;
        if (!d_->keepAt.isNull())
            d_->script(
                QStringLiteral("window.scrollTo(%1, %2)").arg(d_->keepAt.x()).arg(d_->keepAt.y()));
        d_->keepAt = {};
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
    // Without a title the engine names a page by its address, which for typed text is ours.
    if (d_->view && !d_->view->title().isEmpty() && d_->view->title() != d_->view->url().toString())
        return fromQt(d_->view->title());
    return locationURL();
}

forms::String QtBrowser::locationURL() {
    QUrl u = d_->view && !d_->view->url().isEmpty() ? d_->view->url() : d_->requested;
    // Typed text stands for its file: the history lists the file.
    if (u.scheme().toUtf8() == kTyped) return fromQt(u.path());
    return fromQt(u.toString(QUrl::PreferLocalFile));
}

bool QtBrowser::busy() {
    return d_->view && d_->loading;
}

void QtBrowser::showText(forms::StringView html, forms::StringView path) {
    const QString page = QFileInfo(toQt(path)).absoluteFilePath();
    d_->typed.html = toQt(html).toUtf8();
    d_->typed.page = page;
    QString folder = QFileInfo(QFileInfo(page).absolutePath()).canonicalFilePath();
    if (!folder.isEmpty() && !folder.endsWith(u'/')) folder += u'/';
    d_->typed.folder = folder;
    QUrl u;
    u.setScheme(QString::fromLatin1(kTyped));
    u.setPath(page);
    d_->requested = u;
    if (!d_->view) return;
    d_->showView();
    // The same page, typed or saved, stays where it was on screen.
    d_->keepAt = d_->view->url().path() == page ? d_->view->page()->scrollPosition() : QPointF();
    d_->view->load(u);
}

void QtBrowser::reveal(forms::StringView tag, int32_t nth) {
    QString name = toQt(tag);
    name.removeIf([](QChar c) { return !c.isLetterOrNumber(); });
    d_->script(QStringLiteral("(function () {"
                              "  var e = document.getElementsByTagName('%1')[%2];"
                              "  if (!e) return;"
                              "  var r = e.getBoundingClientRect();"
                              "  if (r.bottom < 0 || r.top > window.innerHeight)"
                              "    e.scrollIntoView({block: 'center'});"
                              "})()")
                   .arg(name)
                   .arg(nth));
}

} // namespace tolva::qt
