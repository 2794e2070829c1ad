#include "designer/DrapierApp.h"

int main(int argc, char** argv) {
    CDrapierApp app;
    return app.Run(argc, argv);
}
