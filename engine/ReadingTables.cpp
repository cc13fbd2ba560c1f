// Reading texts for every pair of single digits. Each distinct text is named
// once and the rows below point at it, so a shared text is visibly shared and
// edits to the prose never have to be made twice.

#include "engine/ReadingTables.h"

namespace modLoveCompatibility::tables {

namespace {

// ---------------------------------------------------------------------------
// Short readings. Both orders of a pair use the same text, except 1-2 and 2-1.
// ---------------------------------------------------------------------------

constexpr std::string_view kShort11 =
    "Two born leaders under one roof never lack courage or plans. Give each other separate ground to rule and cheer for every win. Together you can chase dreams neither of you would dare alone.";
constexpr std::string_view kShort12 =
    "An ideal and nice match but with a tendency towards typecast roles. Enjoy the romance and live with understanding.";
constexpr std::string_view kShort21 =
    "A nice match but with a tendency towards stereotyped roles. Enjoy the romance and live with understanding. This life is going to be peaceful and full of bliss.";
constexpr std::string_view kShort13 =
    "Your drive meets a bright, playful spirit. Let the planner set the course and the joker make the trip fun, and you will laugh through most storms.";
constexpr std::string_view kShort14 =
    "Expect friction over pace: one of you wants a careful plan, the other wants results today. Agree on who decides what, and be patient when your partner moves at a different speed.";
constexpr std::string_view kShort15 =
    "Restless hearts and bold plans make this a thrilling match. You both love a new road and a last-minute trip. Your shared hunger for life keeps the spark bright year after year.";
constexpr std::string_view kShort16 =
    "Independence and devotion pull against each other here: one of you needs room to roam, the other needs to be needed. Say plainly how much closeness you want, before that tension turns to resentment.";
constexpr std::string_view kShort17 =
    "Two independent minds, you respect each other's privacy and admire each other's depth. Conversation between you never runs dry. Trust grows by itself when neither of you crowds the other.";
constexpr std::string_view kShort18 =
    "Ambition is your common language, yet both of you like to be in charge. Whether you become rivals or allies is up to you. Share the big decisions and applaud each other's victories.";
constexpr std::string_view kShort19 =
    "Bold action and a generous heart suit each other well, and you push each other toward goals that help others. Keep some attention for the small, personal things love needs.";
constexpr std::string_view kShort22 =
    "Gentle and attentive, you sense each other's moods before they show. Peace is the usual weather in your home, so take turns making the tough calls.";
constexpr std::string_view kShort23 =
    "Tenderness meets sparkle in this cheerful couple: one soothes, one entertains. Handle each other's feelings with care and your days will be light and affectionate.";
constexpr std::string_view kShort24 =
    "Loyal, steady and devoted, you give each other a safe harbor, and a quiet evening at home feels like a treat. Surprise each other now and then so that comfort never turns into habit.";
constexpr std::string_view kShort25 =
    "One of you longs for reassurance, the other for the open road, and that gap will test you both. Make honest promises, keep them, and allow more freedom than feels comfortable at first.";
constexpr std::string_view kShort26 =
    "Caring comes first for you both, and you stand by each other through every hardship. Save some tenderness for yourselves, not only for the people who depend on you.";
constexpr std::string_view kShort27 =
    "Feelings and reflection do not speak the same language. One of you wants closeness and words, the other silence and distance. Patience and clear talk are your only bridge, and building it takes effort.";
constexpr std::string_view kShort28 =
    "Devotion and drive make an excellent team: a loving home on one side, a secure future on the other. Honor both roles equally and you will share a prosperous, affectionate life.";
constexpr std::string_view kShort29 =
    "Kindness flows between you, though your attention points in different directions, toward the home and toward the wider world. A cause you both believe in can draw you together.";
constexpr std::string_view kShort33 =
    "This will be a wild journey. Evade overdoing things. You need to make your relationship more stable.";
constexpr std::string_view kShort34 =
    "Play and discipline collide here, and money, time and tidiness can all turn into battlegrounds. It will be hard work, so laugh at your differences rather than fight over them.";
constexpr std::string_view kShort35 =
    "Curious, chatty and fond of fun, you rarely run out of things to do together. Boredom is not your problem; staying put is. Plan a little, settle a little, and the good times will last.";
constexpr std::string_view kShort36 =
    "Creativity and devotion go hand in hand for you. Your home will be full of music, color and laughter. Let affection guide you and this union will blossom with every passing year.";
constexpr std::string_view kShort37 =
    "A social butterfly and a quiet thinker make a puzzling pair. One of you needs a crowd, the other needs solitude. Respecting those rhythms takes real effort, but it can reveal surprising depth.";
constexpr std::string_view kShort38 =
    "Spending and saving may be your favorite argument. One of you loves pleasure, the other loves results. Expect tension over money and plans, and settle your common aims early to keep it in check.";
constexpr std::string_view kShort39 =
    "Two generous souls with big dreams, you inspire each other without trying, and your warmth draws people in. Keep your plans realistic and this could be a joyful, meaningful union.";
constexpr std::string_view kShort44 =
    "Solid as a rock, this match rests on loyalty and honest effort. You both prize order and keep your word. Plan an adventure once in a while so the foundation you lay never feels like a cage.";
constexpr std::string_view kShort45 =
    "Routine and restlessness sit uneasily together, since roots and wings pull you in opposite directions. Staying the course will be a challenge that calls for clear agreements and generous compromise.";
constexpr std::string_view kShort46 =
    "Responsible and caring, you make a reliable team. Family and security matter deeply to you both. Remember to show tenderness in words, not only in deeds.";
constexpr std::string_view kShort47 =
    "Practical sense meets thoughtful insight, and together you can solve almost any problem. Share your inner world and the bond will be as warm as it is wise.";
constexpr std::string_view kShort48 =
    "Ambition and diligence will carry this couple far. You share a deep respect for achievement and order. Take time off together, because success tastes sweeter when it is shared.";
constexpr std::string_view kShort49 =
    "Realism and idealism struggle to find common ground here. One of you counts the cost, the other counts the good it can do. Expect clashes over priorities and put respect for each other's values first.";
constexpr std::string_view kShort55 =
    "Life together will never be dull! Two free spirits can travel far and laugh often. Make a few promises you both keep, so your freedom has a safe place to come home to.";
constexpr std::string_view kShort56 =
    "Home and horizon tug at you from opposite sides, togetherness against liberty. Without steady trust and frank talk this match will feel the strain, so be patient with each other from the start.";
constexpr std::string_view kShort57 =
    "Curiosity unites you. Whether you are exploring the world or a new idea, you love to share discoveries. Give each other room and you will never tire of each other's company.";
constexpr std::string_view kShort58 =
    "Energy and ambition drive both of you, though not always in the same direction. Enjoy the excitement but agree on common goals. Balance risk with prudence and you can go far.";
constexpr std::string_view kShort59 =
    "Open minds and big hearts meet in this match. You both love to explore and to help others. Travel, learning and generosity will keep your love fresh. Where will you go next?";
constexpr std::string_view kShort66 =
    "Love and devotion overflow in your home, because you both care deeply for the people around you. Try not to smother each other with attention, and leave space for personal growth.";
constexpr std::string_view kShort67 =
    "Warmth and reserve make a puzzling mix. One of you shows love openly while the other keeps it inside, and hurt feelings can follow. Learning each other's ways of caring will take patience.";
constexpr std::string_view kShort68 =
    "Security and comfort are within reach: nurturing and providing fit together, and you both value a stable home. Keep romance alive so your life is rich in more than one sense.";
constexpr std::string_view kShort69 =
    "Compassion is the heart of this union. You both give generously and see the best in people, and together you can do real good. Keep a little of that kindness for yourselves.";
constexpr std::string_view kShort77 =
    "Two thoughtful souls, you share a deep and quiet understanding. You treasure solitude, books and long talks. Step out into the world together from time to time so that your bond keeps growing.";
constexpr std::string_view kShort78 =
    "The spiritual and the material rarely see eye to eye: one of you seeks meaning, the other success. Bridging that gap is hard work that asks for respect on both sides.";
constexpr std::string_view kShort79 =
    "Wisdom and compassion sit side by side here, even if you see the world differently. Share your ideals and your insights freely. Patience will turn your differences into strengths.";
constexpr std::string_view kShort88 =
    "A power couple in the making. You share ambition and grit, and success follows when you aim the same way. Leave the boardroom at the door and let tenderness into your home.";
constexpr std::string_view kShort89 =
    "Ambition and idealism can clash over how to spend time and money: to build or to give? Without a shared purpose this tension can wear you down, so find one early.";
constexpr std::string_view kShort99 =
    "Two dreamers with generous hearts form a loving, idealistic pair. You share a wish to make the world better. Do not forget the practical details of daily life while chasing your visions.";

// ---------------------------------------------------------------------------
// Long readings, one per unordered pair.
// ---------------------------------------------------------------------------

constexpr std::string_view kLong11 =
    "When two 1s fall in love, the result is a bold and spirited couple, each bursting with ideas and the drive to carry them out. They admire courage in one another and never run short of plans. Because both expect to lead, they do best when each 1 has a field of its own and they take turns at the helm. Once each lets the other shine, their shared confidence becomes a powerful engine for an adventurous, loving life.";
constexpr std::string_view kLong12 =
    "The 1 charges ahead with plans and opinions, while the 2 quietly tends to feelings and keeps the peace. At first the 2 may enjoy being led, but over time it can feel overlooked, and the 1 can grow impatient with the 2's hesitation. This pairing takes real work on both sides. The 1 has to learn to listen and to ask rather than decide, and the 2 has to say plainly what it needs. If they manage that, the 1 gains a loyal ally and the 2 gains a protector.";
constexpr std::string_view kLong13 =
    "The 1 brings direction and determination, while the 3 brings charm, humor and a gift for words. Together they make a lively and inspiring pair. Now and then the 1 may find the 3 scattered, and the 3 may find the 1 a little bossy. With some give and take, the 1 learns to relax and enjoy the moment, and the 3 gains a steady partner who turns bright ideas into reality. Their home is rarely quiet, and that suits them both.";
constexpr std::string_view kLong14 =
    "4's desire for control is a tough sell on the 1. The 1's need to make things happen now, frustrates the meticulous 4. Opposites in many ways, these two should not expect easy compromise. If they ever can accept one another for who they are, their respective strengths will make a solid relationship.";
constexpr std::string_view kLong15 =
    "The 1 and the 5 share a love of action, novelty and independence, which makes their romance feel like one long adventure. The 1 supplies the plan and the 5 the spark of improvisation. Neither wants to be tied down, so each gladly grants the other the freedom both crave. With a few shared rituals to anchor them, this warm and exciting match has every chance of lasting. Their shared energy also makes them quick to forgive after a quarrel.";
constexpr std::string_view kLong16 =
    "A 6 wants a close, devoted home life; a 1 needs room to chase personal goals. The 6 may feel neglected while the 1 is busy conquering the world, and the 1 may feel smothered by so much care. Both partners will have to work hard at honest conversation. If the 1 makes a point of showing appreciation and the 6 learns to loosen its grip, they can build a home that feels both safe and free.";
constexpr std::string_view kLong17 =
    "Both independent thinkers, the 1 and the 7 respect each other's need for space. The 1 acts while the 7 reflects, and each admires what the other does best. Their conversations are deep and stimulating, and boredom never sets in. Warmth sometimes takes a back seat to the intellect, so a little extra affection goes a long way. Over the years their respect tends to deepen into a quiet, lasting tenderness.";
constexpr std::string_view kLong18 =
    "Ambitious and strong-willed, the 1 and the 8 recognize that quality in each other at once. Their shared drive can make them a formidable team in business and in life. It can also lead to power struggles when both want the final word. Whether they compete or cooperate decides how the story goes, and with clear roles and genuine respect these two can achieve a great deal together. Left unchecked, though, their rivalry could cool the romance.";
constexpr std::string_view kLong19 =
    "A pioneer and a humanitarian, the 1 and the 9 can turn big visions into real accomplishments. The 9 softens the 1's self-focus with compassion, while the 1 gives the 9's ideals a practical push. There may be moments when the 1 seems too self-absorbed or the 9 too dreamy. With mutual appreciation, however, these two help each other grow and can do a lot of good in the world. Their love grows strongest when they work side by side for something larger than themselves.";
constexpr std::string_view kLong22 =
    "Two 2s form a gentle, affectionate couple who understand each other by instinct. Both are diplomats at heart, sensitive to moods and eager to keep the peace. Their home is likely to be calm, tender and full of small kindnesses. The only danger is that neither wants to rock the boat, so important decisions may be put off. If one of them is willing to take the lead from time to time, this is a deeply harmonious match.";
constexpr std::string_view kLong23 =
    "The 2 offers patience, tact and emotional support, while the 3 brings joy, creativity and a sociable spirit. The 3 helps the 2 come out of its shell, and the 2 gives the 3 a secure, loving base. At times the 2 may be hurt by a careless remark or by the 3's need for an audience. With a little sensitivity on both sides, this is a cheerful and caring partnership in which laughter makes the hard days lighter.";
constexpr std::string_view kLong24 =
    "Security, loyalty and a peaceful home matter deeply to both the 2 and the 4. The 4 provides structure and reliability, while the 2 adds warmth and a talent for smoothing over problems. They trust each other readily and never play games. Life together may follow a steady routine, but for this pair that feels like comfort rather than boredom. It is a solid, devoted match built to last, and their patience with each other only deepens as the years go by.";
constexpr std::string_view kLong25 =
    "Closeness and reassurance are what the 2 longs for, while the 5 needs variety, travel and plenty of personal freedom. The 5's restlessness can make the 2 feel insecure, and the 2's need for togetherness can make the 5 feel trapped. This relationship will require real effort and honest compromise. If the 5 offers consistent commitment and the 2 allows some independence, they can learn a great deal from each other. Neither should expect the other to change overnight.";
constexpr std::string_view kLong26 =
    "Natural nurturers, the 2 and the 6 build their relationship around care, family and emotional connection. The 6 creates a welcoming home and the 2 keeps its atmosphere harmonious. They are quick to support each other in hard times. Sometimes both put others' needs before their own, leaving little energy for the relationship itself. Small gestures of gratitude and some time kept for romance will keep them feeling cherished.";
constexpr std::string_view kLong27 =
    "The 2 is emotional and eager for connection; the 7 is introspective and needs solitude to recharge. The 2 may read the 7's silences as rejection, while the 7 tires of constant requests for reassurance. Bridging this gap takes patience and clear communication. When the 7 learns to share its inner life and the 2 learns to respect quiet time, the two can find a rare spiritual closeness. It is a slow road, but a rewarding one.";
constexpr std::string_view kLong28 =
    "The 2 and the 8 complement each other beautifully. The 8 brings ambition, drive and the capacity to provide, while the 2 offers diplomacy, loyalty and emotional warmth. The 8 feels supported and the 2 feels protected. As long as the 8 values what the 2 contributes at home, and the 2 voices its needs openly, this is a balanced and loving partnership. Together they can make a home that is as comfortable as it is secure.";
constexpr std::string_view kLong29 =
    "Both kind and considerate, the 2 and the 9 express their care in different ways. The 2 focuses on the partner and the home, while the 9 looks outward toward causes and the wider world. The 2 may sometimes feel that it comes second to the 9's ideals. This pairing succeeds when the 9 gives personal attention and the 2 shares in the 9's larger vision. A common mission, such as volunteering together, can bring them much closer.";
constexpr std::string_view kLong33 =
    "Put two 3s together and the result is a sparkling, talkative and fun-loving couple. Creativity flows freely and their calendar fills itself. Each knows the other's hunger for self-expression and applause. Trouble starts only when neither takes care of the practical side of life, so bills and chores may pile up. If they find a little discipline together, this joyful pair can keep the laughter going for many years.";
constexpr std::string_view kLong34 =
    "The 3 lives for spontaneity and self-expression, while the 4 prefers order, schedules and steady toil. To the 4 the 3 can look frivolous; to the 3 the 4 can seem rigid and dull. This match will test both partners, who must stretch well beyond their comfort zones. If the 4 can learn to play and the 3 can learn to plan, each will gain what it lacks, and the bond can become surprisingly stable. Progress will be slow, and both should celebrate each small step.";
constexpr std::string_view kLong35 =
    "Lively, curious and drawn to new experiences, the 3 and the 5 fill their time together with conversation, travel and entertainment. The 3 brings creativity and the 5 brings adventure, so boredom never gets a foothold. What they may lack is stability, as both dislike routine and responsibility. With a few shared commitments to ground them, this is an upbeat and rewarding relationship held together by laughter.";
constexpr std::string_view kLong36 =
    "The 3 and the 6 blend joy and devotion in a very natural way. The 6 offers a loving home and steady care, while the 3 fills it with humor, art and company. The 6 appreciates the 3's cheerful spirit, and the 3 feels safe in the 6's warmth. Occasionally the 6 may worry too much or the 3 may drift, but their affection runs deep. It is a happy and nurturing union, and theirs is the kind of home where birthdays are never forgotten and music is always playing.";
constexpr std::string_view kLong37 =
    "Company, chatter and attention feed the 3, while the 7 prefers quiet reflection and a small circle of trusted people. The 3 may take the 7's reserve for coldness, and the 7 may dismiss the 3's chatter as shallow. Making this work demands genuine respect for very different temperaments. If the 7 opens up and the 3 slows down, their contrasts can produce an intriguing and thoughtful bond. Neither should try to remake the other.";
constexpr std::string_view kLong38 =
    "The 3 enjoys life in the moment and spends freely, while the 8 keeps its eyes on long-term success and financial security. Money and priorities are likely to be recurring sources of conflict. The 8 may appear controlling to the 3, and the 3 may seem careless to the 8. With clear agreements and mutual respect, though, the 3 can bring joy to the 8's world and the 8 can give the 3's talents a solid platform. Budgeting together may sound dull, yet it could save this romance.";
constexpr std::string_view kLong39 =
    "Creativity, generosity and a love of inspiring ideas unite the 3 and the 9. The 9 brings compassion and vision, while the 3 adds enthusiasm and a talent for expression. They encourage each other's dreams and enjoy a wide circle of companions. Practical matters may need extra attention, but their bond is warm and idealistic. They make each other braver. This joyful match has a big heart, and their love tends to grow with the years.";
constexpr std::string_view kLong44 =
    "Two 4s build a relationship the way they build everything else: carefully, patiently and to last. They share a respect for honesty, diligence and routine. Trust between them is steady and promises are kept. The danger is that life becomes too predictable or that stubbornness sets in when they disagree. A shared hobby or an occasional surprise will keep the warmth alive in this dependable and devoted pairing.";
constexpr std::string_view kLong45 =
    "The 4 craves order, stability and predictability, while the 5 thrives on change, risk and freedom. The 4 may feel that the 5 is unreliable, and the 5 may feel imprisoned by the 4's rules. These two have very different ideas of a good life, so any compromise will be hard won. If the 5 honors its commitments and the 4 accepts a bit of chaos, they can teach each other valuable lessons. Patience will be the quality they need most.";
constexpr std::string_view kLong46 =
    "Home, family and responsibility sit at the center of life for both the 4 and the 6. The 4 provides a secure foundation and the 6 fills it with love and care. They tend to agree on the important things, such as money, children and loyalty. The 4 should be careful not to neglect emotional expression, and the 6 should avoid taking on too much. With those small adjustments, this is a warm and reliable partnership.";
constexpr std::string_view kLong47 =
    "The 4 and the 7 share a serious, thoughtful approach to life. The 4 is practical and methodical, and the 7 is analytical and introspective. Both value privacy and meaningful conversation over idle chatter. Occasionally the 7 may think the 4 too earthbound, and the 4 may wish the 7 were less distant. Overall, though, they respect each other's minds and can build a quietly strong bond that deepens with time. Their trust, once given, is not lightly withdrawn.";
constexpr std::string_view kLong48 =
    "Natural partners in building a secure and prosperous life, the 4 and the 8 pull in the same direction. The 8 sets ambitious goals and the 4 works diligently to reach them. They share values such as discipline, loyalty and responsibility. Busy schedules can sometimes crowd out romance, so they should set aside time for pleasure. When they do, this is a steady, successful and deeply committed union. Their home, like their finances, is run with care and good sense.";
constexpr std::string_view kLong49 =
    "Where the 4 is grounded and practical, the 9 is idealistic and drawn to the big picture. In the 4's eyes the 9 can look unrealistic; in the 9's, the 4 can look narrow-minded. Their priorities often differ, with the 4 focused on security and the 9 on helping the world. To make this work, each must value the other's outlook. With effort, the 4 can give the 9's dreams a foundation, and the 9 can remind the 4 why the hard work matters.";
constexpr std::string_view kLong55 =
    "Two 5s share an appetite for travel and discovery that makes them an exciting, freedom-loving couple. Neither begrudges the other independence, and neither tries to hold the other back. Life together is spontaneous and full of variety. Commitment is their real test, since both may resist settling down. If they build a home base they can return to, this adventurous pair can enjoy a thrilling and affectionate love.";
constexpr std::string_view kLong56 =
    "The 5 wants freedom and variety, while the 6 wants commitment and a cozy home. The 6 may try to hold on too tightly, and the 5 may pull away to protect its independence. Such different needs make the relationship a real challenge. If the 6 gives the 5 space and the 5 shows steady devotion, they can find a balance, but both must work at it consistently. Small, regular signs of commitment from the 5 will ease the 6's worries.";
constexpr std::string_view kLong57 =
    "Seekers both, the 5 explores the outer world and the 7 the inner one. They respect each other's independence and find each other fascinating. The 5 draws the 7 into new experiences, while the 7 adds depth to the 5's adventures. Both need room to breathe, and both are happy to give it. Their travels, literal and philosophical, keep this warm match between two free minds fresh for years. Neither ever feels caged, and that is the secret of their closeness.";
constexpr std::string_view kLong58 =
    "Energetic and bold, the 5 and the 8 can enjoy an exciting life together. The 8 is driven by success and structure, the 5 by freedom and experience. The 8 may want more commitment and consistency than the 5 likes to give. Much depends on how well they respect each other's style and agree on shared goals. Adventures planned together can turn their differences into a source of fun. Neither should mistake the other's different pace for a lack of love.";
constexpr std::string_view kLong59 =
    "The 5 and the 9 share open minds, a love of travel and a broad view of life. The 9 contributes compassion and idealism, the 5 curiosity and adventurous energy. They enjoy learning from each other and neither feels confined. The 9 may need more emotional depth than the 5 at first offers. With patience, this pair can grow into a generous and inspiring partnership, kept alive by journeys across the globe or into new ideas.";
constexpr std::string_view kLong66 =
    "Two 6s create a home overflowing with love, comfort and care. Both are devoted, responsible and eager to support their partner and family. Harmony and affection are what both need, and each gives them freely. They may, however, fuss over each other or over others too much, forgetting their own needs. With a little breathing room, this is one of the most nurturing and loving pairs imaginable.";
constexpr std::string_view kLong67 =
    "The 6 is warm, family-centered and open with affection, while the 7 is reserved, analytical and protective of its privacy. The 6 may feel shut out by the 7's need for solitude, and the 7 may feel pressured by the 6's closeness. Making this work requires patience and genuine effort from both. If each learns the other's language of love, the 6 and the 7 can build a thoughtful and caring bond. Small rituals of closeness that respect the 7's quiet can work wonders.";
constexpr std::string_view kLong68 =
    "Nurturing and ambition combine productively when the 6 and the 8 join forces. The 8 builds material security and the 6 turns it into a warm and welcoming home. The 6 admires the 8's strength, and the 8 appreciates the 6's devotion. The 8 should keep evenings free for family, and the 6 should resist any urge to manage the 8. With care, this is a stable and loving match with a bright future.";
constexpr std::string_view kLong69 =
    "The 6 and the 9 share compassion, generosity and a deep sense of responsibility toward others. The 6 pours that care into family life, and the 9 extends it to the wider world. They admire each other's kindness and idealism. Sometimes they may give so much to others that little is left for themselves. When they remember to nurture each other too, this is a loving and meaningful union. Their door is usually open to anyone in need.";
constexpr std::string_view kLong77 =
    "Between two 7s runs a rare intellectual and spiritual connection. Both are introspective, curious and happiest with deep conversation or quiet study. Each instinctively leaves the other the solitude it needs. What they must watch for is drifting away from the world or neglecting emotional expression. If they open their hearts to each other as readily as their minds, this is a profound and enduring bond. Their silences are comfortable rather than lonely.";
constexpr std::string_view kLong78 =
    "The 7 is drawn to inner wisdom and spiritual questions, while the 8 pursues achievement, status and material success. The 8 may call the 7 impractical, and the 7 may judge the 8 too worldly. Their different values make agreement hard work. If they can respect each other's paths, the 8 can provide security for the 7, and the 7 can offer the 8 a deeper sense of meaning. The work is real, but so is the reward.";
constexpr std::string_view kLong79 =
    "The 7 and the 9 both look beyond everyday concerns, the 7 toward inner truth and the 9 toward the good of humanity. They can share wonderful conversations about ideals and philosophy. Yet the 7's reserve may clash with the 9's emotional openness and broad social life. This pairing is listed as neutral, meaning its success depends largely on how the two choose to meet each other. With understanding, it can become a wise and gentle partnership.";
constexpr std::string_view kLong88 =
    "Two 8s make a powerful team with a shared hunger for success and security. They understand each other's ambition and respect each other's strength. Together they can build an impressive life, both financially and socially. Competition and control may become issues if they forget they are on the same side. When they combine their efforts and make room for tenderness, this is a formidable and loving match.";
constexpr std::string_view kLong89 =
    "The 8 is focused on ambition, money and achievement, while the 9 is guided by idealism and a wish to help others. The 9 may see the 8 as materialistic, and the 8 may see the 9 as naive. They will need patience and frank conversation to align their priorities. If they can combine the 8's resources with the 9's vision, they may accomplish something both remarkable and worthwhile. Honest talk about money, early and often, will spare them many quarrels.";
constexpr std::string_view kLong99 =
    "Two 9s share a generous, idealistic outlook and boundless compassion. They are drawn to causes, art and meaningful work, and they understand each other's larger purpose. Their love is broad and forgiving. The risk is that they give so much to the world that the relationship is neglected, or that practical matters are ignored. If they care for each other as well as they care for others, this is a beautiful match.";

}  // namespace

const std::array<ReadingRow, 81> kShortReadings = {{
    {"11", kShort11}, {"12", kShort12}, {"13", kShort13}, {"14", kShort14}, {"15", kShort15},
    {"16", kShort16}, {"17", kShort17}, {"18", kShort18}, {"19", kShort19},

    {"21", kShort21}, {"22", kShort22}, {"23", kShort23}, {"24", kShort24}, {"25", kShort25},
    {"26", kShort26}, {"27", kShort27}, {"28", kShort28}, {"29", kShort29},

    {"31", kShort13}, {"32", kShort23}, {"33", kShort33}, {"34", kShort34}, {"35", kShort35},
    {"36", kShort36}, {"37", kShort37}, {"38", kShort38}, {"39", kShort39},

    {"41", kShort14}, {"42", kShort24}, {"43", kShort34}, {"44", kShort44}, {"45", kShort45},
    {"46", kShort46}, {"47", kShort47}, {"48", kShort48}, {"49", kShort49},

    {"51", kShort15}, {"52", kShort25}, {"53", kShort35}, {"54", kShort45}, {"55", kShort55},
    {"56", kShort56}, {"57", kShort57}, {"58", kShort58}, {"59", kShort59},

    {"61", kShort16}, {"62", kShort26}, {"63", kShort36}, {"64", kShort46}, {"65", kShort56},
    {"66", kShort66}, {"67", kShort67}, {"68", kShort68}, {"69", kShort69},

    {"71", kShort17}, {"72", kShort27}, {"73", kShort37}, {"74", kShort47}, {"75", kShort57},
    {"76", kShort67}, {"77", kShort77}, {"78", kShort78}, {"79", kShort79},

    {"81", kShort18}, {"82", kShort28}, {"83", kShort38}, {"84", kShort48}, {"85", kShort58},
    {"86", kShort68}, {"87", kShort78}, {"88", kShort88}, {"89", kShort89},

    {"91", kShort19}, {"92", kShort29}, {"93", kShort39}, {"94", kShort49}, {"95", kShort59},
    {"96", kShort69}, {"97", kShort79}, {"98", kShort89}, {"99", kShort99},
}};

const std::array<ReadingRow, 45> kLongReadings = {{
    {"11", kLong11}, {"12", kLong12}, {"13", kLong13}, {"14", kLong14}, {"15", kLong15}, {"16", kLong16},
    {"17", kLong17}, {"18", kLong18}, {"19", kLong19},

    {"22", kLong22}, {"23", kLong23}, {"24", kLong24}, {"25", kLong25}, {"26", kLong26}, {"27", kLong27},
    {"28", kLong28}, {"29", kLong29},

    {"33", kLong33}, {"34", kLong34}, {"35", kLong35}, {"36", kLong36}, {"37", kLong37}, {"38", kLong38},
    {"39", kLong39},

    {"44", kLong44}, {"45", kLong45}, {"46", kLong46}, {"47", kLong47}, {"48", kLong48}, {"49", kLong49},

    {"55", kLong55}, {"56", kLong56}, {"57", kLong57}, {"58", kLong58}, {"59", kLong59},

    {"66", kLong66}, {"67", kLong67}, {"68", kLong68}, {"69", kLong69},

    {"77", kLong77}, {"78", kLong78}, {"79", kLong79},

    {"88", kLong88}, {"89", kLong89},

    {"99", kLong99},
}};

}  // namespace modLoveCompatibility::tables
