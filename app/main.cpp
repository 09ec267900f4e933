// The converter takes no command-line arguments of its own; Qt's (such as
// -platform) still work.

#include "ConverterApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    velmont::ConverterApp converter;
    return converter.InitInstance();
}
