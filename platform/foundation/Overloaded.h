#pragma once

namespace foundation {

// One visitor from several lambdas, for std::visit over a variant of cases.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace foundation
