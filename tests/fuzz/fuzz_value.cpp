// The tagged-value operators on values made from fuzzed text: only run-time errors 6, 11 and
// 13 may come out, and every result can be displayed.
#include "tests/fuzz/fuzz_common.h"

#include <vector>

namespace {

num::Value make(uint8_t how, std::string_view text, std::string_view input)
{
    num::Value v;
    fuzz::attempt([&] {
        switch (how % 7) {
        case 0: v = num::Value(); break;
        case 1: v = num::Value::text(std::string(text)); break;
        case 2: v = num::Value::integer(num::textToInteger(text)); break;
        case 3: v = num::Value::lng(num::textToLong(text)); break;
        case 4: v = num::Value::single(num::textToSingle(text)); break;
        case 5: v = num::Value::dbl(num::val(text)); break;
        default: v = num::Value::currency(num::textToCurrency(text)); break;
        }
    }, input, true, false, true);
    return v;
}

void show(const num::Value& v, std::string_view input)
{
    (void)num::display(v);
    fuzz::attempt([&] { (void)num::str(v); }, input, true, false, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const std::string_view all = fuzz::chooseLocale(data, size);
    const uint8_t howA = data[1], howB = data[2];
    const std::string_view rest = all.substr(2);
    const size_t cut = rest.find('|');
    const std::string_view left = rest.substr(0, cut);
    const std::string_view right = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);

    const num::Value a = make(howA, left, all), b = make(howB, right, all);
    show(a, all);
    show(b, all);
    using Op = num::Value (*)(const num::Value&, const num::Value&);
    const Op ops[] = {
        [](const num::Value& x, const num::Value& y) { return x + y; },
        [](const num::Value& x, const num::Value& y) { return x - y; },
        [](const num::Value& x, const num::Value& y) { return x * y; },
        [](const num::Value& x, const num::Value& y) { return x / y; },
        num::power, num::intDiv, num::mod, num::concat,
    };
    for (Op op : ops)
        fuzz::attempt([&] { show(op(a, b), all); }, all, true, true, true);
    fuzz::attempt([&] { show(-a, all); }, all, true, false, true);
    fuzz::attempt([&] { (void)num::compare(a, b); }, all, true, false, true);
    fuzz::attempt([&] { (void)num::comparePlain(a, num::val(right)); }, all, true, false, true);
    fuzz::attempt([&] { (void)num::comparePlainText(a, right); }, all, true, false, true);
    // A text joined to itself grows; joining never fails.
    const num::Value joined = num::concat(a, b);
    if (!joined.isText())
        fuzz::broken("concat did not give a text", all);
    return 0;
}
