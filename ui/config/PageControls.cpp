#include "ui/config/PageControls.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

namespace velmont {

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                  Qt::Alignment horizontal) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setContentsMargins(0, 2, 0, 0);
    label->setGeometry(x, y, width, height);
    return label;
}

void NameAfterLabel(QWidget* control, QLabel* label, const QString& name) {
    label->setBuddy(control);
    QString text = name.isEmpty() ? label->text() : name;
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    control->setAccessibleName(text.remove(QLatin1Char('&')));
}

QComboBox* MakeDropDownList(QWidget* parent, int x, int y, int width, int heightWithList) {
    auto* list = new QComboBox(parent);
    list->setGeometry(x, y, width, kClosedComboHeight);
    // Roughly as many rows as the open list of that height holds.
    list->setMaxVisibleItems(std::max(5, (heightWithList - kClosedComboHeight) / 16));
    return list;
}

void SelectPosition(QComboBox* list, int position) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

void SetItems(QComboBox* list, const QStringList& items) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(items);
}

} // namespace velmont
