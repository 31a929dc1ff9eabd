// The colour seals of the composite reading, each with its picture and its description.

#include "modMayanCompatibility.h"

#include "Marked.h"

namespace modMayanCompatibility {
using kinmatch::Marked;

const std::array<SealRow, SealCount> SealTable = {{
    {Marked("SealTable", "Red Dragon"), "01Imix.jpg",
     Marked(
         "SealTable",
         "Together you stand under the Red Dragon, the first glyph of the birth chart and the seal "
         "of "
         "birth, nurture and new beginnings. Red Dragon days belong to people who protect and feed "
         "what they love, and as a couple you share that instinct: you build a home, a project or "
         "a "
         "family with great energy and loyalty. Your bond draws on deep, old strength, like the "
         "primal waters from which life first rose. Trust comes naturally to you once it is "
         "earned. "
         "The challenge of the Red Dragon is the wish to control: take turns at leading, let each "
         "other grow, and your partnership will be a source of life for everyone around you.")},
    {Marked("SealTable", "White Wind"), "02Ik.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the White Wind, the second glyph of the birth chart and the seal "
         "of "
         "spirit, breath and communication. White Wind days favour people who speak their truth "
         "and "
         "inspire others with their ideas, and together you are a lively, talkative pair who never "
         "run out of things to say. Your relationship thrives on honesty, shared dreams and "
         "movement: travel, music and conversation keep it fresh. You carry each other's words "
         "far. "
         "The challenge of the White Wind is changeability: moods can shift quickly between you. "
         "Listen as well as you speak, say what you feel before it becomes a storm, and your bond "
         "will be as refreshing as a summer breeze.")},
    {Marked("SealTable", "Blue Night"), "03Akbal.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Blue Night, the third glyph of the birth chart and the seal "
         "of "
         "dreams, intuition and the inner world. Blue Night days belong to people who seek "
         "security "
         "and abundance and who trust the quiet voice within. As a couple you create a private "
         "sanctuary where both of you can rest, dream and be yourselves. You understand each other "
         "without many words, and you share a rich imagination. The challenge of the Blue Night is "
         "withdrawal: fear or silence can settle between you when something goes unsaid. Bring "
         "your "
         "worries into the light, share your dreams aloud, and the treasure hidden in your "
         "partnership will keep growing.")},
    {Marked("SealTable", "Yellow Seed"), "04Kan.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Yellow Seed, the fourth glyph of the birth chart and the seal "
         "of "
         "growth, fertility and potential. Yellow Seed days favour people who plant with care and "
         "wait for the harvest, and together you have a gift for making things flourish: a garden, "
         "a "
         "business, a family or a shared ideal. Your relationship starts small and grows strong "
         "roots. You bring out each other's talents, and your energy together is warm and "
         "attractive. The challenge of the Yellow Seed is impatience: not every seed sprouts at "
         "once. Tend your bond daily, give each other room to grow in your own directions, and you "
         "will reap a rich and lasting harvest.")},
    {Marked("SealTable", "Red Serpent"), "05Chiccan.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Red Serpent, the fifth glyph of the birth chart and the seal "
         "of "
         "life force, instinct and passion. Red Serpent days belong to people who feel strongly "
         "and "
         "act on their instincts, and as a couple you share a powerful physical and emotional "
         "bond. "
         "There is magnetism between you, and you are quick to sense each other's needs. Together "
         "you have the vitality to survive hard times and shed old skins when it is time to "
         "change. "
         "The challenge of the Red Serpent is intensity: jealousy or a quick temper can flare up. "
         "Channel your passion into shared goals, stay honest about your desires, and your union "
         "will be vibrant and alive.")},
    {Marked("SealTable", "White WorldBridger"), "06Cimi.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the White WorldBridger, the sixth glyph of the birth chart and "
         "the "
         "seal of surrender, change and connection between worlds. White WorldBridger days favour "
         "people who build bridges between families, cultures and ideas, and together you are a "
         "couple who bring people together. Your relationship can carry you through great "
         "transitions, and each ending you face together opens a new door. You are generous and "
         "forgiving with each other. The challenge of the White WorldBridger is letting go: "
         "holding "
         "on to the past or to old hurts weighs your bond down. Release what is finished, and your "
         "partnership will be a bridge to a wider life.")},
    {Marked("SealTable", "Blue Hand"), "07Manik.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Blue Hand, the seventh glyph of the birth chart and the seal "
         "of "
         "accomplishment, healing and knowledge. Blue Hand days belong to people who learn by "
         "doing "
         "and who heal with their hands and hearts, and as a couple you are practical, helpful and "
         "skilled. You like to make, mend and build things together, and you take care of each "
         "other in concrete ways. Your bond grows through shared work and the satisfaction of "
         "finishing what you start. The challenge of the Blue Hand is overwork: you may forget to "
         "rest or to ask for help. Hold hands as often as you lend them, and your partnership will "
         "heal and fulfil you both.")},
    {Marked("SealTable", "Yellow Star"), "08Lamat.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Yellow Star, the eighth glyph of the birth chart and the seal "
         "of "
         "beauty, harmony and art. Yellow Star days favour people who love elegance and who bring "
         "light into every room, and together you are a radiant, sociable couple who enjoy music, "
         "art and good company. Your relationship aims at harmony, and you inspire each other to "
         "become the best version of yourselves. Abundance tends to follow you. The challenge of "
         "the "
         "Yellow Star is perfectionism: expecting everything to be beautiful can make you critical "
         "of each other. Accept your flaws with humour, and your love will shine like the morning "
         "star.")},
    {Marked("SealTable", "Red Moon"), "09Muluc.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Red Moon, the ninth glyph of the birth chart and the seal of "
         "water, purification and the flow of feeling. Red Moon days belong to people who feel "
         "deeply and who are guided by their emotions and intuition, and as a couple you share a "
         "strong emotional current. You sense each other's moods, forgive easily and cleanse old "
         "wounds together. Your relationship follows natural rhythms, with its tides and seasons. "
         "The challenge of the Red Moon is emotional overflow: feelings can swamp reason, and "
         "small "
         "slights can seem large. Let your emotions flow rather than flood, speak gently when the "
         "tide is high, and your bond will be renewed again and again.")},
    {Marked("SealTable", "White Dog"), "10Oc.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the White Dog, the tenth glyph of the birth chart and the seal of "
         "loyalty, love and the heart. White Dog days favour people who are faithful companions "
         "and "
         "who guide others home, and together you are a devoted couple whose love is deep and "
         "steadfast. You stand by each other in every hardship, and your home is a place of warmth "
         "and welcome. Family and friendship matter greatly to you both. The challenge of the "
         "White "
         "Dog is vulnerability: you can be hurt badly by a broken promise and may become "
         "defensive. "
         "Keep your word to each other, forgive when you can, and your loyalty will be the rock on "
         "which your love stands.")},
    {Marked("SealTable", "Blue Monkey"), "11Chuen.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Blue Monkey, the eleventh glyph of the birth chart and the "
         "seal "
         "of play, magic and illusion. Blue Monkey days belong to people who are witty, artistic "
         "and "
         "young at heart, and as a couple you have fun together: you laugh, invent, joke and turn "
         "ordinary days into adventures. Your creativity feeds each other, and you rarely bore one "
         "another. You meet trouble with humour and find playful ways around obstacles. The "
         "challenge of the Blue Monkey is that play can hide real feelings, and tricks can turn "
         "into "
         "deception. Be serious when it matters, show each other what lies behind the mask, and "
         "your "
         "joy together will be magical.")},
    {Marked("SealTable", "Yellow Human"), "12Eb.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Yellow Human, the twelfth glyph of the birth chart and the "
         "seal "
         "of free will, wisdom and influence. Yellow Human days favour people who think for "
         "themselves and who want to make a difference in their community, and together you are a "
         "thoughtful, capable couple. You respect each other's independence and enjoy sharing "
         "ideas "
         "and plans. Your relationship grows through learning, and others often come to you for "
         "advice. The challenge of the Yellow Human is stubbornness: two strong wills can clash. "
         "Make decisions together, respect each other's choices, and your partnership will become "
         "a "
         "source of wisdom for you and those you love.")},
    {Marked("SealTable", "Red Skywalker"), "13Ben.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Red Skywalker, the thirteenth glyph of the birth chart and "
         "the "
         "seal of exploration, space and wakefulness. Red Skywalker days belong to people who long "
         "for new horizons and who connect heaven and earth, and as a couple you are adventurous "
         "and curious. You love to travel, to learn and to push past the limits of the familiar. "
         "Your relationship gives each of you the space to grow and the courage to explore. The "
         "challenge of the Red Skywalker is restlessness: you may always look to the next horizon "
         "and forget the ground beneath your feet. Make a home you both return to, and your "
         "journeys "
         "together will lift you higher.")},
    {Marked("SealTable", "White Wizard"), "14Ix.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the White Wizard, the fourteenth glyph of the birth chart and the "
         "seal of timelessness, receptivity and enchantment. White Wizard days favour people with "
         "strong intuition and a quiet magic about them, and together you are a couple with a "
         "deep, "
         "almost spiritual bond. You understand each other in silence, and you share a sense that "
         "your meeting was meant to be. Your relationship has a charm others notice. The challenge "
         "of the White Wizard is the wish to control through will or secrecy. Be open with each "
         "other, receive as well as give, and the enchantment between you will grow with every "
         "year.")},
    {Marked("SealTable", "Blue Eagle"), "15Men.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Blue Eagle, the fifteenth glyph of the birth chart and the "
         "seal "
         "of vision, creation and the mind. Blue Eagle days belong to people who see the big "
         "picture "
         "and plan for the future, and as a couple you share ambitious dreams. You encourage each "
         "other to aim high, and together you can build something remarkable. You see far, and you "
         "help each other rise above everyday worries. The challenge of the Blue Eagle is "
         "distance: "
         "flying high can make you lose touch with feelings and with daily life. Come down to "
         "earth "
         "often, share the small moments as well as the grand plans, and your shared vision will "
         "carry you both.")},
    {Marked("SealTable", "Yellow Warrior"), "16Cib.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Yellow Warrior, the sixteenth glyph of the birth chart and "
         "the "
         "seal of intelligence, courage and questioning. Yellow Warrior days favour people who "
         "face "
         "challenges head on and who never stop asking why, and together you are a brave, "
         "resilient "
         "couple. You defend each other fiercely and tackle problems as a team. Your relationship "
         "is "
         "strengthened by every obstacle you overcome together. The challenge of the Yellow "
         "Warrior "
         "is combativeness: you may turn your fighting spirit on each other. Choose your battles, "
         "fight for your love rather than against your partner, and your courage together will be "
         "unbeatable.")},
    {Marked("SealTable", "Red Earth"), "17Caban.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Red Earth, the seventeenth glyph of the birth chart and the "
         "seal "
         "of navigation, synchronicity and evolution. Red Earth days belong to people who are in "
         "tune "
         "with the rhythms of nature and who notice the signs along the way, and as a couple you "
         "are "
         "grounded and purposeful. You move through life in step with each other, and meaningful "
         "coincidences seem to guide you. Your bond grows steadily, like the land through the "
         "seasons. The challenge of the Red Earth is rigidity: you may resist change or argue "
         "about "
         "direction. Read the signs together, stay flexible, and your partnership will find its "
         "way "
         "home.")},
    {Marked("SealTable", "White Mirror"), "18Etznab.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the White Mirror, the eighteenth glyph of the birth chart and the "
         "seal of truth, reflection and order. White Mirror days favour people who see clearly and "
         "who cut through illusion, and together you are an honest, direct couple. You show each "
         "other who you really are, and your relationship rests on truth rather than pretence. You "
         "bring order to each other's lives. The challenge of the White Mirror is harshness: truth "
         "spoken without love can wound, and you may judge each other too strictly. Speak kindly, "
         "see each other's beauty as well as each other's faults, and the mirror between you will "
         "reflect a true and lasting love.")},
    {Marked("SealTable", "Blue Storm"), "19Cauac.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Blue Storm, the nineteenth glyph of the birth chart and the "
         "seal "
         "of energy, transformation and self-generation. Blue Storm days belong to people who "
         "bring change wherever they go, and as a couple you are a force of renewal. Your "
         "relationship is lively and intense, and it changes you both for the better. Together you "
         "can clear away what holds you back and start afresh. The challenge of the Blue Storm is "
         "turbulence: arguments may break like thunder and pass as quickly, but they can leave "
         "damage behind. Let the rain cleanse rather than flood, find calm after each storm, and "
         "your bond will be stronger and fresher each time.")},
    {Marked("SealTable", "Yellow Sun"), "20Ahau.jpg",
     Marked(
         "SealTable",
         "Your composite seal is the Yellow Sun, the twentieth glyph of the birth chart and the "
         "seal "
         "of enlightenment, life and universal fire. Yellow Sun days favour people who are warm, "
         "generous and full of light, and together you are a radiant couple whose love warms "
         "everyone near you. You bring out each other's best, and your relationship has a sense of "
         "completeness and purpose. You share ideals, a love of beauty and a great joy in life, "
         "and "
         "together you keep going when others give up. The challenge of the Yellow "
         "Sun is pride: two bright lights can compete for attention. Shine for each other rather "
         "than "
         "against each other, and your union will light the way for many.")},
}};

} // namespace modMayanCompatibility
