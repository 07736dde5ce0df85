#include "engine/Reading.h"

#include <array>
#include <cstdlib>

namespace velto {

namespace {

// The profile texts, entry d - 1 for number d.
// clang-format off
constexpr std::array<std::u16string_view, 9> ProfileTexts = {
    u"Being the first digit, number one insists you to be a leader in every sphere of your life. You are happiest when you are setting the pace, and people around you sense this the moment you walk into a room. Number one people are original thinkers; they would rather carve a new path than follow a well-worn road, and they trust their own judgement even when others hesitate. Your courage, energy and determination can carry a whole team through hard times. The lesson for you is patience: when you learn to listen as well as you lead, your independence becomes a gift that lifts everyone who walks beside you.",
    u"The most important characteristic of number two people is their ability to communicate and co-operate with others. You have a quiet talent for sensing what people feel before they say a word, and you use it to smooth over tension and bring opposing sides together. Number two people are natural diplomats; they prefer partnership to competition and find real joy in helping a shared plan succeed. Your patience, tact and gentle humour make friends feel safe in your company. Partnerships thrive under your care. Because you are so sensitive, however, harsh words can wound you deeply, and you may hide your own wishes to keep the peace. Learn to speak up for yourself with the same kindness you show others, and your calm strength will be valued wherever you go.",
    u"According to Pythagorean theorists, 3 is the first complete digit having a beginning, midpoint and an end. That sense of wholeness shows in the lively, expressive nature of number three people. You are bright, sociable and full of ideas, and your gift for words lets you charm a crowd or lift a friend's spirits with ease. Number three people love art, music and conversation; they are happiest when they can create something and share it with others. Your optimism is infectious. The risk is that you scatter your energy across too many projects and leave some unfinished. When you give your talents focus and a little discipline, your creativity can bring you both success and lasting joy.",
    u"The vibe of number four is reflected through the laboriousness and practicality of the number four person. You are the steady foundation on which others build, and you take quiet pride in work that is done properly and made to last. Number four people are honest, loyal and methodical; they prefer firm plans to wild schemes, and they keep their promises even when it costs them. Friends and colleagues rely on your common sense in a crisis. Because you value order so highly, you can become stubborn or slow to accept change, and you may forget to rest. Allow yourself a little spontaneity now and then. When you balance your diligence with warmth and flexibility, your patient effort will reward you with security and great esteem.",
    u"Under the influence of number five, you will acquire a volatile temperament with time. You crave freedom, variety and adventure, and routine quickly makes you restless. Number five people are curious, quick-witted and adaptable; they love to travel, meet new people and try anything once. Your energy and charm draw others to you, and you often become the spark that livens up a dull gathering. The same love of change can make you impulsive, so you may jump from one interest to the next without finishing what you started. Learn to pause before you leap. When you channel your restless spirit into a worthy goal, your versatility becomes a strength.",
    u"This number signifies a highly romantic disposition. Number six people are devoted, tender and deeply caring; they feel most alive when they are loving and protecting the people closest to them. You treasure home and family, and you have a gift for making any place feel warm and welcoming. Whether as a loyal friend, a doting parent or an adoring fianc\u00e9, you give your heart completely. Your sense of beauty and harmony is powerful. Because you care so much, you may worry too easily or try to carry everyone else's burdens. Remember to nurture yourself as well, and your generous love will come back to you many times over.",
    u"Number seven people are infused with the spirit of inquiry and a deep longing to understand the hidden workings of life. You are thoughtful, observant and often a little mysterious, and you would rather spend an evening with a favourite book than at a noisy party. Number seven people trust their intuition; they look beneath the surface and are rarely fooled by appearances. Your love of study makes you an excellent scholar or researcher. Because you need plenty of solitude, others may think you aloof, and you can slip into doubt or brooding. Let a few trusted friends into your inner world. When you share your insight, you will find that your quiet wisdom is a great gift to others.",
    u"Down the ages, number eight has earned the reputation of being the most unpredictable number of all. Yet those who live under its influence are often the most determined people you could meet. Number eight people are ambitious, practical and strong-willed; they understand money, power and organisation, and they are not afraid of toil. You have a natural authority that inspires confidence. Your path may bring sudden highs and lows, but each setback only hardens your resolve. Since you aim so high, you can appear cold or too focused on success. Make room for rest and affection, and let people see your generous heart. When you balance ambition with kindness, your achievements can be remarkable.",
    u"Great resolve, enthusiasm and dynamism are the keywords in life for number nine people. You have a big heart and a broad outlook, and you feel a genuine calling to make the world a better place. Number nine people are compassionate, idealistic and generous; they give freely of their time and energy and are often drawn to causes larger than themselves. Your courage and passion inspire others to follow your lead. Friends know they can always count on you in hard times. Because you feel everything so strongly, you can be impatient or quick to anger when things move too slowly. You may also find it hard to let go of the past. Learn to forgive yourself and others, and to rest when you need it. When you do, your warmth and vision will touch many lives.",
};
// clang-format on

void addCapped(int& sum, int v) noexcept
{
    if (sum + v <= MaxSum)
        sum += v;
}

} // namespace

NameReading ReadName(std::u16string_view name) noexcept
{
    const Reading raw = ComputeReading(name);
    const Reading reduced{ReduceNumber(raw.CharacterNumber), ReduceNumber(raw.HeartNumber),
                          ReduceNumber(raw.SocialNumber)};
    return {reduced,
            {ReadingText(NumberKind::Character, reduced.CharacterNumber),
             ReadingText(NumberKind::Heart, reduced.HeartNumber),
             ReadingText(NumberKind::Social, reduced.SocialNumber)}};
}

Reading ComputeReading(std::u16string_view name) noexcept
{
    int character = 0, heart = 0, social = 0;
    for (const char16_t c : name) {
        if (c < u'A' || c > u'Z')
            continue;
        // The value of the letter at alphabet position p: ((p - 1) mod 9) + 1.
        const int value = (c - u'A') % 9 + 1;
        const bool vowel = c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
        addCapped(character, value);
        addCapped(vowel ? heart : social, value);
    }
    return Reading{static_cast<std::int16_t>(character), static_cast<std::int16_t>(heart),
                   static_cast<std::int16_t>(social)};
}

std::int16_t ReduceNumber(std::int16_t n) noexcept
{
    // Decimal digits without sign: widen first so that -32768 has a magnitude.
    int sum = std::abs(static_cast<int>(n));
    while (sum > 9) {
        int digits = 0;
        for (int rest = sum; rest > 0; rest /= 10)
            digits += rest % 10;
        sum = digits;
    }
    return static_cast<std::int16_t>(sum);
}

std::u16string_view NumberProfileText(int d) noexcept
{
    if (d < 1 || d > static_cast<int>(ProfileTexts.size()))
        return {};
    return ProfileTexts[static_cast<std::size_t>(d - 1)];
}

std::u16string_view ReadingText(NumberKind kind, int d) noexcept
{
    // A name without capitals would otherwise leave the previous name's text
    // beside its 0.
    static constexpr std::array<std::u16string_view, 3> NotAvailable{
        u"No Character Number available", u"No Heart Number available", u"No Social Number available"};
    return d != 0 ? NumberProfileText(d) : NotAvailable[static_cast<std::size_t>(kind)];
}

} // namespace velto
