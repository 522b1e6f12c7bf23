#include "pjlink/Session.h"

#include <utility>
#include <variant>

namespace yunuri::pjlink {

Session::Session(Password password, Time now) : password_(std::move(password)), deadline_(now + kTimeout) {}

bool Session::Send(Request request, Time now) {
  if (Ended() || queue_.size() >= kMostQueued) return false;
  queue_.push_back(std::move(request));
  if (outgoing_ && !inFlight_) SendNext(now);
  return true;
}

void Session::Received(std::string_view bytes, Time now) {
  if (Ended()) return;
  if (!framer_.Feed(bytes)) {
    End(Ending::Protocol, framer_.Why());
    return;
  }
  while (!Ended()) {
    std::optional<std::string> line = framer_.TakeLine();
    if (!line) break;
    Line(*line, now);
  }
}

void Session::Tick(Time now) {
  if (Ended()) return;
  if (!outgoing_ && now >= deadline_) End(Ending::Silent, "no greeting");
  if (inFlight_ && now >= deadline_) End(Ending::Silent, "no reply");
}

std::string Session::TakeOutgoing() {
  return std::exchange(written_, std::string());
}

std::optional<Answer> Session::TakeAnswer() {
  if (answers_.empty()) return std::nullopt;
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

void Session::Line(std::string_view line, Time now) {
  if (!outgoing_) {
    const std::optional<Greeting> greeting = ParseGreeting(line);
    if (!greeting) return End(Ending::Protocol, "not a greeting");
    if (greeting->kind == Greeting::Kind::Denied) return End(Ending::Password, "password refused");
    // Guessing would only count as a failed login, and projectors lock up under those.
    if (greeting->kind == Greeting::Kind::Challenge && password_.Empty())
      return End(Ending::Password, "password asked, none set");
    outgoing_.emplace(*greeting, password_);
    SendNext(now);
    return;
  }
  if (!inFlight_) return End(Ending::Protocol, "reply to no command");
  Request request = *std::exchange(inFlight_, std::nullopt);
  Reply reply = ParseReply(line, request);
  if (const auto* error = std::get_if<ProtocolError>(&reply)) return End(Ending::Protocol, error->why);
  const auto* refusal = std::get_if<Refusal>(&reply);
  const bool denied = refusal != nullptr && *refusal == Refusal::Denied;
  answers_.push_back(Answer{std::move(request), std::move(reply)});
  if (denied) return End(Ending::Password, "password refused");
  SendNext(now);
}

void Session::SendNext(Time now) {
  if (queue_.empty()) return;
  deadline_ = now + kTimeout;
  inFlight_ = std::move(queue_.front());
  queue_.pop_front();
  written_ += outgoing_->Write(*inFlight_);
}

void Session::End(Ending how, std::string_view why) {
  how_ = how;
  why_ = why;
  queue_.clear();
  inFlight_.reset();
  written_.clear();
}

}  // namespace yunuri::pjlink
