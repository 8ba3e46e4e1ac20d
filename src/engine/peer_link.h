// The engine's way to the remote player in a duel or a tournament game. The engine uses
// it only when such a game is running.
#pragma once

#include <string>

namespace klondar {

struct GameState;

class PeerLink {
 public:
  virtual ~PeerLink() = default;
  // A four-character game message such as "t100" or "h300".
  virtual void SendGameMessage(const std::string& message) = 0;
  // The server's deal: deck, orders, points, target score and rule options.
  virtual void SendDeal(const GameState& state) = 0;
};

}  // namespace klondar
