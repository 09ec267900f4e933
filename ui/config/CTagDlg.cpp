#include "ui/config/CTagDlg.h"

#include "model/JobItem.h"
#include "ui/config/PageControls.h"

#include <QLineEdit>
#include <QPushButton>

#include <climits>
#include <cstdlib>

namespace velmont {

namespace {

// atoi without its undefined behaviour on overflow.
std::int32_t LeadingNumber(const QString& text) {
    const std::string bytes = text.toStdString();
    const long value = std::strtol(bytes.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<std::int32_t>(value);
}

QLineEdit* MakeEdit(QWidget* parent, const QString& text, int y) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(105, y, 190, 26);
    if (!text.isEmpty())
        edit->setText(text);
    return edit;
}

} // namespace

TagTexts TagTextsFromJob(const JobItem& job) {
    TagTexts texts;
    texts.title = QString::fromStdString(job.title);
    texts.author = QString::fromStdString(job.author);
    texts.comment = QString::fromStdString(job.comment);
    texts.album = QString::fromStdString(job.album);
    texts.track = QString::asprintf("%d", job.track);
    texts.year = QString::asprintf("%d", job.year);
    return texts;
}

void StoreTagTexts(const TagTexts& texts, JobItem& job) {
    job.title = texts.title.toStdString();
    job.author = texts.author.toStdString();
    job.comment = texts.comment.toStdString();
    job.album = texts.album.toStdString();
    job.track = LeadingNumber(texts.track);
    job.year = LeadingNumber(texts.year);
}

CTagDlg::CTagDlg(const QString& fileName, const TagTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    setWindowTitle(QStringLiteral("ID3 Tag - ") + fileName);
    setFixedSize(330, 340);

    author_ = MakeEdit(this, texts.author, 10);
    album_ = MakeEdit(this, texts.album, 55);
    comment_ = MakeEdit(this, texts.comment, 100);
    title_ = MakeEdit(this, texts.title, 145);
    track_ = MakeEdit(this, texts.track, 190);
    year_ = MakeEdit(this, texts.year, 235);
    NameAfterLabel(author_, MakeLabel(this, QStringLiteral("Artist(Author):"), 5, 15, 95, 26));
    NameAfterLabel(album_, MakeLabel(this, QStringLiteral("Album:"), 5, 60, 95, 26));
    NameAfterLabel(comment_, MakeLabel(this, QStringLiteral("Comment:"), 5, 105, 95, 26));
    NameAfterLabel(title_, MakeLabel(this, QStringLiteral("Title:"), 5, 150, 95, 26));
    NameAfterLabel(track_, MakeLabel(this, QStringLiteral("Track:"), 5, 195, 95, 26));
    NameAfterLabel(year_, MakeLabel(this, QStringLiteral("Year:"), 5, 240, 95, 26));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(60, 272, 88, 26);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(182, 272, 88, 26);
    connect(ok, &QPushButton::clicked, this, &CTagDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CTagDlg::reject);
}

void CTagDlg::accept() {
    texts_.author = author_->text();
    texts_.album = album_->text();
    texts_.comment = comment_->text();
    texts_.title = title_->text();
    texts_.track = track_->text();
    texts_.year = year_->text();
    QDialog::accept();
}

} // namespace velmont
