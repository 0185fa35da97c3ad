#include "shell/startup.hpp"

int main() {
    return game::startUp();
}
