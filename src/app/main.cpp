// Until the window exists: one deal between the computer ("PC") and a stand-in for the
// user who decides as the computer would from its seat, printed as it is played.
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "self_play.h"

int main(int argc, char** argv) {
  klondar::SelfPlayConfig config;
  config.name1 = "PC";
  config.name2 = "You";
  config.dealLimit = 1;
  if (argc == 3 && std::string(argv[1]) == "--seed") {
    config.seed = std::strtoull(argv[2], nullptr, 10);
  } else if (argc == 1) {
    config.seed = std::random_device{}();
  } else {
    std::cerr << "usage: klondar [--seed N]\n";
    return 2;
  }
  std::cout << "Klondar: one deal against the computer (seed " << config.seed << ")\n\n";
  const klondar::GameReport report = klondar::PlaySelfGame(config, &std::cout);
  for (const std::string& failure : report.failures) std::cout << "FAILURE " << failure << "\n";
  return report.failures.empty() ? 0 : 1;
}
