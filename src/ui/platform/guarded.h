#pragma once

#include <QString>
#include <exception>
#include <utility>

#include "ui/platform/prompts.h"

// Every command handler is connected through this wrapper: an error the command raises is
// shown in the application's error box, and the state stays as the command left it.
// Exception messages are UTF-8 (the model's file names come from the file system).
template <class Handler>
auto guarded(Prompts& prompts, Handler handler) {
  // The return type keeps the wrapper callable with exactly the arguments the handler
  // takes, so Qt can connect it to signals that carry more.
  return [&prompts, handler = std::move(handler)](
             auto&&... args) -> decltype(handler(std::forward<decltype(args)>(args)...), void()) {
    try {
      handler(std::forward<decltype(args)>(args)...);
    } catch (const std::exception& error) {
      prompts.showError(QString::fromUtf8(error.what()));
    }
  };
}
