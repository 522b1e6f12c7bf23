#include "devices/RealProjector.h"

#include <utility>

namespace yunuri {

RealProjector::RealProjector(room::ProjectorLink link, ProjectorSocket& socket)
    : link_(std::move(link)), socket_(socket) {}

RealProjector::~RealProjector() = default;

void RealProjector::Power(Form1& /*f*/, std::size_t /*side*/, bool /*on*/) {}
void RealProjector::Send(Form1& /*f*/, std::size_t /*side*/, std::size_t /*source*/) {}
void RealProjector::Step(Form1& /*f*/, std::size_t /*side*/) {}
void RealProjector::Connected() {}
void RealProjector::Received(std::string_view /*bytes*/) {}
void RealProjector::Lost(LinkLoss /*why*/) {}

}  // namespace yunuri
