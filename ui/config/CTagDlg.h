#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace velmont {

class JobItem;

// The tag texts of one file as the tag dialog edits them.
struct TagTexts {
    QString title;
    QString author;
    QString comment;
    QString album;
    QString track;
    QString year;

    bool operator==(const TagTexts&) const = default;
};

// A job's tag with track and year written as "%d".
TagTexts TagTextsFromJob(const JobItem& job);
// Copies the texts back; track and year are read as atoi reads them
// ("12a" gives 12, no digits give 0), clamped to the int range.
void StoreTagTexts(const TagTexts& texts, JobItem& job);

// The modal "ID3 Tag - <file name>" dialog. The caller passes the texts,
// runs exec() and, after Accepted, reads Texts().
class CTagDlg : public QDialog {
    Q_OBJECT

  public:
    CTagDlg(const QString& fileName, const TagTexts& texts, QWidget* parent = nullptr);

    const TagTexts& Texts() const { return texts_; }

    QLineEdit* TitleEdit() const { return title_; }
    QLineEdit* AuthorEdit() const { return author_; }
    QLineEdit* CommentEdit() const { return comment_; }
    QLineEdit* AlbumEdit() const { return album_; }
    QLineEdit* TrackEdit() const { return track_; }
    QLineEdit* YearEdit() const { return year_; }

    // OK: reads the six boxes into Texts(), then closes with Accepted.
    void accept() override;

  private:
    TagTexts texts_;
    QLineEdit* title_ = nullptr;
    QLineEdit* author_ = nullptr;
    QLineEdit* comment_ = nullptr;
    QLineEdit* album_ = nullptr;
    QLineEdit* track_ = nullptr;
    QLineEdit* year_ = nullptr;
};

} // namespace velmont
