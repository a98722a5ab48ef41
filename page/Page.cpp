// The page: its buffer, its file and the state a new page starts afresh.
#include "page/Page.h"

#include "page/InitialPage.h"

using forms::String;
using forms::StringView;

String initialPage() {
    String page = u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n"
                  u"<HTML>\r\n"
                  u"<HEAD>\r\n"
                  u"\t<TITLE>My web page!</TITLE>\r\n"
                  u"</HEAD>\r\n"
                  u"<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                  u"alink=\"maroon\">\r\n";
    for (int i = 0; i < 27; ++i)
        page += u"\r\n";
    page += u"</BODY>\r\n"
            u"</HTML>\r\n"
            u"\r\n"
            u"\t\t<!--This page has been created by using Quendry's Tolva--> \r\n";
    return page;
}

Page::Page(forms::Runtime& runtime, forms::Registry& windows)
    : runtime_(runtime), windows_(windows), desk_(runtime, "page"), disk(runtime.platform().files) {
    Text1.setMultiLine(true);
    Text1.setText(initialPage());
    attempt.setMultiLine(true);
    attempt.setText(initialPage());
    attempt.setVisible(false);
    Text1.Change = [this] { notify(Event::Changed); };
}

Page::~Page() = default;

void Page::setSaveme(StringView path) {
    if (saveme_ == path) return;
    saveme_ = String(path);
    notify(Event::Renamed, saveme_);
}

void Page::markModified() {
    star = u"*";
    notify(Event::Modified);
}

void Page::resetCounters() {
    firstPreview = true;
    buttonNo = checkboxNo = radioNo = textboxNo = passNo = submitNo = resetNo = browseNo = formNo =
        pulldownNo = selectorNo = areaNo = fileNo = 1;
}

bool Page::read(const String& path) {
    auto stamp = disk.stampOf(path);
    std::string error;
    auto loaded = pagefile::load(forms::toFileName(path), error);
    if (!loaded) {
        // Saying nothing would leave the user believing the page was opened.
        runtime_.msgBox(u"The page could not be opened from " + path + u"\r\n\r\n" +
                            forms::fromUtf8(error),
                        forms::vbExclamation);
        return false;
    }
    // Another file's page is not this one's past: undoing into it and saving would write it
    // over this file. Reading the same file again keeps the steps, so edits lost to a
    // reload can still be taken back.
    if (path != saveme_)
        Text1.adoptText(std::move(loaded->text));
    else
        Text1.setText(loaded->text);
    star = u"";
    pageFormat = loaded->format;
    disk.follow(path, stamp);
    notify(Event::Replaced, path);
    return true;
}

bool Page::write(const String& path) {
    String text = Text1.text();
    pagefile::Format format{pagefile::choose(text, pageFormat.encoding), pageFormat.breaks};
    std::string error;
    if (!pagefile::writeAtomically(forms::toFileName(path), pagefile::write(text, format), error)) {
        runtime_.msgBox(u"The page could not be saved to " + path + u"\r\n\r\n" +
                            forms::fromUtf8(error) +
                            u"\r\n\r\nNothing was written; the page is not saved.",
                        forms::vbExclamation);
        return false;
    }
    // The file now holds this encoding and line break; later saves keep them.
    pageFormat = format;
    disk.wrote(path);
    notify(Event::Saved, path);
    return true;
}

void Page::blank() {
    Text1.setText(attempt.text());
    star = u"";
    pageFormat = {};
    disk.stop();
    notify(Event::Cleared);
}

void Page::close() {
    notify(Event::Closed);
}
