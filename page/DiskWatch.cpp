// The page's file on disk against the page: notices, questions and the save check.
#include "page/DiskWatch.h"

DiskWatch::DiskWatch(forms::FileWatch* files) : files_(files) {}

DiskWatch::~DiskWatch() {
    stop();
}

std::optional<forms::FileStamp> DiskWatch::stampOf(forms::StringView path) const {
    if (!files_) return std::nullopt;
    return files_->stamp(path);
}

void DiskWatch::follow(forms::StringView path, std::optional<forms::FileStamp> stamp) {
    path_ = forms::String(path);
    known_ = stamp ? State{true, *stamp} : State{};
    answered_.reset();
    pending_ = false;
    // Watched again after every read and write: a save renames a new file over the old
    // one, and a watch on the old one would hear nothing more.
    if (files_) files_->watch(path_, [this] { notice(); });
}

void DiskWatch::stop() {
    if (files_ && !path_.empty()) files_->unwatch();
    path_.clear();
    answered_.reset();
    pending_ = false;
}

DiskWatch::State DiskWatch::now() const {
    auto s = stampOf(path_);
    return s ? State{true, *s} : State{};
}

DiskWatch::Disk DiskWatch::against(const State& s) const {
    if (!files_ || s == known_) return Disk::Same;
    return s.exists ? Disk::Changed : Disk::Missing;
}

bool DiskWatch::news(const State& s) const {
    return against(s) != Disk::Same && s != answered_;
}

void DiskWatch::notice() {
    if (path_.empty()) return;
    // Tolva's own saves end here too, and find the stamp they recorded.
    pending_ = news(now());
    if (pending_ && onNews) onNews();
}

DiskWatch::Disk DiskWatch::take() {
    if (!pending_) return Disk::Same;
    pending_ = false;
    asked_ = now();
    return news(asked_) ? against(asked_) : Disk::Same;
}

void DiskWatch::accept() {
    known_ = asked_;
    answered_.reset();
}

void DiskWatch::refused() {
    answered_ = asked_;
}

DiskWatch::Disk DiskWatch::check(forms::StringView path) {
    if (path_.empty() || path != path_) return Disk::Same;
    checked_ = now();
    return against(checked_);
}

void DiskWatch::kept() {
    answered_ = checked_;
}

void DiskWatch::postponed() {
    pending_ = pending_ || news(checked_);
}
