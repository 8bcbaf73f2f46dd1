#include "app/CVadelApp.h"

int main(int argc, char** argv)
{
    CVadelApp app(argc, argv);
    return app.Run();
}
