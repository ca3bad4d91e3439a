"""Which sources answer each category, best source first.

A source is one of:
  "hand:a, b, c"      a hand-written list, best first
  "wn:x.n.01 -y.n.02" common nouns under WordNet senses, less those under "-" senses
  "wnp:x.n.01"        proper names (instances) under WordNet senses
  "wnb:x.n.01"        both
  "in:kind region"    instances of a kind of place lying within a region
  "data:name args"    a Debian data list (see sources.py)
  "shape:name"        words of a shape (see shapes.py)
WordNet senses are named explicitly: a guess from the head noun picks wrong senses
(an industrial plant for "Type of Plant", an army rank for "College Major").
"""


def hand(text):
    return "hand:" + text


BOYS = hand("Adam, Alex, Andrew, Ben, Brian, Bob, Charles, Chris, Carl, David, Daniel, Dylan, Eric, Edward, Ethan, "
            "Frank, Fred, George, Gary, Henry, Harry, Ian, Isaac, Jack, James, John, Kevin, Kyle, Luke, Larry, Mark, "
            "Michael, Nick, Nathan, Oliver, Oscar, Paul, Peter, Robert, Ryan, Sam, Steve, Tom, Tim, William, Walter")
GIRLS = hand("Anna, Alice, Amy, Beth, Betty, Claire, Carol, Diana, Dora, Emma, Ella, Fiona, Grace, Gina, Helen, Hannah, "
             "Irene, Ivy, Jane, Julia, Kate, Karen, Laura, Lucy, Mary, Megan, Nancy, Nora, Olivia, Olga, Pam, Paula, "
             "Rose, Rachel, Sarah, Susan, Tina, Tara, Wendy, Wanda")
DOGS = hand("Ace, Buddy, Bella, Charlie, Daisy, Duke, Ellie, Fido, Gizmo, Hunter, Izzy, Jake, King, Lady, Lucky, Max, "
            "Nala, Oreo, Pepper, Rex, Rover, Spot, Sparky, Toby, Winston, Wolf")
COLOURS = hand("amber, aqua, azure, beige, black, blue, brown, crimson, cream, cyan, denim, ebony, emerald, fuchsia, gold, "
               "green, grey, hazel, indigo, ivory, jade, khaki, lavender, lemon, lilac, magenta, maroon, navy, "
               "olive, orange, peach, pink, purple, red, rose, ruby, salmon, scarlet, silver, tan, teal, turquoise, "
               "violet, white, wine")
US_CITIES = ["data:cities US", "in:city.n.01 united_states.n.01"]

TABLE = {
    "Vegetable": [hand("asparagus, broccoli, cabbage, carrot, celery, corn, eggplant, garlic, kale, leek, lettuce, "
                       "mushroom, onion, okra, pea, potato, pumpkin, radish, spinach, squash, tomato, turnip, yam, "
                       "zucchini, beet, bean, cucumber, jicama, artichoke, endive, fennel, watercress"),
                  "wn:vegetable.n.01"],
    "Fruit": [hand("apple, apricot, banana, blueberry, cherry, coconut, date, fig, grape, guava, honeydew, jackfruit, "
                   "kiwi, kumquat, lemon, lime, mango, melon, nectarine, orange, olive, papaya, peach, pear, plum, "
                   "raspberry, strawberry, tangerine, watermelon, grapefruit, elderberry, ugli fruit"),
              "wn:edible_fruit.n.01"],
    "Boy's Name": [BOYS],
    "Girl's Name": [GIRLS],
    "Famous People": [hand("Albert Einstein, Abraham Lincoln, Barack Obama, Bill Gates, Charles Darwin, "
                           "Cleopatra, Elvis Presley, Gandhi, George Washington, Henry Ford, Isaac Newton, "
                           "John Lennon, Julius Caesar, Karl Marx, Leonardo da Vinci, Martin Luther King, "
                           "Marilyn Monroe, Napoleon, Nelson Mandela, Oprah Winfrey, Pablo Picasso, "
                           "Queen Elizabeth, Rosa Parks, Steve Jobs, Shakespeare, Thomas Edison, "
                           "Walt Disney, Winston Churchill"), "wnp:person.n.01"],
    "President": [hand("Barack Obama, Obama, Donald Trump, Trump, Joe Biden, Biden, Bill Clinton, "
                       "Jimmy Carter, Ronald Reagan, Abraham Lincoln, George Washington, John F. Kennedy, "
                       "JFK, George W. Bush, Gerald Ford, Richard Nixon, Lyndon B. Johnson, "
                       "Theodore Roosevelt, Teddy Roosevelt, Ulysses S. Grant, Dwight D. Eisenhower, Ike"),
                  "wnp:president_of_the_united_states.n.01"],
    "State": ["data:states"],
    "State Capitol": ["data:state_capitals"],
    "Animal": [hand("ant, bear, cat, dog, deer, elephant, fox, giraffe, goat, horse, hippo, iguana, jaguar, kangaroo, "
                    "koala, lion, monkey, moose, newt, otter, owl, pig, panda, rabbit, rat, snake, sheep, tiger, "
                    "turtle, wolf, whale, zebra"), "wn:animal.n.01 -person.n.01"],
    "Actor": ["wnp:actor.n.01 comedian.n.01"],
    "Actress": ["wnp:actress.n.01"],
    "Musical Instrument": [hand("accordion, banjo, bagpipes, cello, clarinet, drum, flute, fiddle, guitar, gong, "
                                "harp, harmonica, kazoo, lute, mandolin, oboe, organ, piano, recorder, saxophone, "
                                "trumpet, tuba, trombone, violin, viola, xylophone, ukulele, whistle"),
                           "wn:musical_instrument.n.01"],
    "Body Part": [hand("arm, ankle, back, brain, chin, cheek, ear, elbow, eye, finger, foot, hand, head, heart, hip, "
                       "knee, kidney, leg, lip, liver, mouth, neck, nose, nail, palm, rib, shoulder, skin, toe, "
                       "thumb, tongue, wrist, intestine, jaw, gums"), "wn:external_body_part.n.01 organ.n.01"],
    "Car Part": [hand("axle, battery, brake, bumper, clutch, carburetor, dashboard, door, engine, exhaust, fender, "
                      "gas tank, gearshift, horn, hood, headlight, ignition, jack, key, license plate, mirror, muffler, "
                      "odometer, piston, radiator, radio, seat, steering wheel, spark plug, tire, trunk, "
                      "windshield, wheel, wiper")],
    "Bathroom Item": [hand("bathtub, brush, bath mat, comb, conditioner, deodorant, floss, faucet, hairdryer, "
                           "hand towel, lotion, mirror, mouthwash, nail clipper, plunger, razor, rug, shampoo, "
                           "shower, sink, soap, sponge, toilet, toothbrush, toothpaste, towel, tissue, tweezers, "
                           "washcloth, perfume, cotton swab, iodine, jacuzzi, kleenex")],
    "Bedroom Item": [hand("alarm clock, bed, blanket, bedspread, closet, curtain, dresser, duvet, dresser, "
                          "futon, hanger, headboard, jewelry box, lamp, mattress, mirror, nightstand, pillow, "
                          "pajamas, quilt, rug, sheet, slippers, teddy bear, wardrobe, waterbed, comforter, "
                          "electric blanket, ottoman, nightlight, iron, king size bed")],
    "Kitchen Item": [hand("apron, blender, bowl, cup, colander, dishwasher, fork, freezer, grater, glass, "
                          "kettle, knife, ladle, mixer, microwave, napkin, oven, pan, pot, plate, refrigerator, "
                          "spoon, sink, spatula, toaster, tongs, whisk, wok, egg beater, ice tray, juicer, "
                          "oven mitt, rolling pin, timer"), "wn:kitchen_utensil.n.01 kitchen_appliance.n.01"],
    "Something Found at a Bar": [hand("alcohol, ashtray, beer, bartender, bottle, bouncer, cocktail, coaster, "
                                      "darts, drink, glass, gin, happy hour, ice, jukebox, keg, liquor, lime, mug, "
                                      "napkin, olive, peanuts, pool table, rum, shot, stool, tap, tequila, tip jar, "
                                      "vodka, whiskey, wine, bar stool, ice cubes, karaoke, olives")],
    "Something Found at a Park": [hand("acorn, bench, bird, bush, bicycle, dog, duck, fountain, frisbee, grass, "
                                       "gazebo, hill, ice cream truck, jogger, kite, leaves, lake, monkey bars, "
                                       "nest, oak tree, path, picnic table, pond, playground, rock, sandbox, "
                                       "slide, swing, squirrel, tree, trash can, walking path, water fountain")],
    "Food Item": [hand("apple, bread, bacon, cheese, chicken, donut, egg, fish, grape, ham, hamburger, ice cream, "
                       "jelly, ketchup, lettuce, meat, noodle, oatmeal, pasta, pizza, rice, salad, soup, taco, "
                       "toast, waffle, kiwi, muffin, pancake"), "wn:dish.n.02 foodstuff.n.02"],
    "Country": [hand("America, Brazil, Canada, China, Denmark, Egypt, England, France, Germany, Greece, "
                     "Holland, India, Italy, Ireland, Japan, Kenya, Korea, Mexico, Norway, Nepal, Oman, "
                     "Peru, Poland, Russia, Spain, Sweden, Scotland, Turkey, Wales, Burma, Czech Republic, "
                     "Ivory Coast, Macedonia, Micronesia, Palestine, Vatican City, Swaziland, Zaire, "
                     "Yugoslavia, Soviet Union, Great Britain, USA, UK, Britain, Persia, Siam, Ceylon"),
                "data:countries"],
    "dairy food": [hand("butter, brie, cheese, cream, cheddar, cottage cheese, eggnog, feta, gouda, "
                        "ice cream, kefir, milk, milkshake, mozzarella, parmesan, ricotta, sour cream, "
                        "whipped cream, yogurt, buttermilk, custard, gelato"), "wn:dairy_product.n.01"],
    "city in the United States": US_CITIES,
    "Mythical creature/Monster": [hand("banshee, basilisk, centaur, cyclops, dragon, dwarf, elf, fairy, griffin, "
                                       "goblin, gremlin, hydra, imp, jinn, kraken, leprechaun, mermaid, "
                                       "minotaur, nymph, ogre, phoenix, pegasus, sphinx, siren, troll, "
                                       "unicorn, vampire, werewolf, zombie, yeti, wraith"),
                                  "wn:mythical_monster.n.01 monster.n.01"],
    "Things you shouldn't touch": [hand("acid, bees, broken glass, cactus, candle flame, dry ice, electric fence, "
                                        "fire, glue, hot stove, iron, jellyfish, knife, live wire, needle, "
                                        "nettles, oven, poison ivy, razor, snake, scorpion, thorn, toaster, "
                                        "wasp nest, wound")],
    "Food you eat raw": [hand("apple, avocado, banana, berries, broccoli, carrot, celery, cherry, cucumber, "
                              "date, fig, grapes, hummus, kiwi, lettuce, mango, nuts, oyster, orange, pear, "
                              "peach, radish, sushi, sashimi, spinach, tomato, tartare, walnut, jicama")],
    "Famous Artists": [hand("Andy Warhol, Banksy, Botticelli, Cezanne, Dali, Degas, El Greco, Frida Kahlo, "
                            "Goya, Gauguin, Henri Matisse, Hokusai, Jackson Pollock, Klimt, Leonardo da Vinci, "
                            "Monet, Michelangelo, Manet, Norman Rockwell, Picasso, Rembrandt, Renoir, Raphael, "
                            "Salvador Dali, Titian, Turner, Van Gogh, Vermeer, Whistler, Warhol"),
                       "wnp:painter.n.01 sculptor.n.01"],
    "Names of Sports Teams": "TEAMS",
    "Word ending in \"ing\"": ["shape:ing"],
    "Something worn on your head": [hand("bandana, beanie, beret, bonnet, baseball cap, cap, crown, cowboy hat, "
                                         "derby, earmuffs, fedora, goggles, hat, headband, helmet, hood, hairnet, "
                                         "kerchief, mask, mortarboard, nightcap, party hat, scarf, sombrero, "
                                         "tiara, turban, top hat, wig, wreath, veil"), "wn:headdress.n.01"],
    "Things in Fairy Tales": [hand("apple, bears, beanstalk, castle, crown, dragon, dwarf, elf, fairy godmother, "
                                   "frog, giant, glass slipper, goose, honey, king, knight, magic, mirror, "
                                   "ogre, princess, prince, pumpkin, queen, spell, stepmother, tower, troll, "
                                   "wand, witch, wolf, gingerbread house, ivory tower, jewels")],
    "Things at a Wedding": [hand("altar, bride, bouquet, bridesmaid, best man, band, cake, champagne, church, "
                                 "dress, dance, flowers, flower girl, garter, groom, guests, honeymoon, "
                                 "invitation, kiss, limousine, music, maid of honor, organ, priest, ring, "
                                 "rice, toast, tuxedo, veil, vows, wine")],
    "Things in a Caferteria": [hand("apple, banana, bread, cashier, chair, coffee, cook, dessert, fork, "
                                    "French fries, grill, hamburger, ice, juice, jello, knife, lunch lady, milk, "
                                    "napkin, orange, pizza, plate, salad, soup, spoon, table, tray, trash can, "
                                    "water, waffle, kitchen")],
    "Things in New York City": [hand("Broadway, Bronx, Brooklyn, Central Park, Chrysler Building, cab, "
                                     "Empire State Building, ferry, Fifth Avenue, Grand Central, Harlem, "
                                     "Hudson River, JFK Airport, Knicks, Lincoln Center, Manhattan, "
                                     "Madison Square Garden, museum, New York Times, pizza, Queens, "
                                     "Rockefeller Center, Statue of Liberty, subway, Staten Island, "
                                     "taxi, Times Square, Wall Street, Yankees, Wall Street")],
    "Tv Show": "TV",
    "Famous Singer": "SINGERS",
    "Island": [hand("Aruba, Bali, Bermuda, Corsica, Cuba, Crete, Cyprus, Easter Island, Fiji, Greenland, "
                    "Guam, Hawaii, Iceland, Ireland, Java, Jamaica, Kauai, Long Island, Madagascar, Malta, "
                    "Nantucket, Oahu, Puerto Rico, Rhodes, Sicily, Sardinia, Tahiti, Taiwan, Trinidad, Wight"),
               "wnp:island.n.01"],
    "Adjective": ["shape:adjective"],
    "Adverb": ["shape:adverb"],
    "Noun": ["shape:noun"],
    "Verb": ["shape:verb"],
    "Kind of Soup": [hand("alphabet soup, bean soup, borscht, broth, bouillabaisse, chowder, chicken noodle, "
                          "consomme, egg drop, French onion, gazpacho, goulash, gumbo, hot and sour, "
                          "lentil, minestrone, miso, mushroom, noodle, onion, pea soup, potato leek, ramen, "
                          "split pea, tomato, turtle soup, vegetable, wonton"), "wn:soup.n.01"],
    "Historical Event": "HISTORY",
    "Word with a Double Letter": ["shape:double"],
    "Word with only one vowel": ["shape:one_vowel"],
    "Word with no vowels": [hand("by, cry, crypt, dry, fly, fry, gym, gypsy, hymn, lynx, myth, my, nymph, "
                                 "pygmy, psych, rhythm, sky, shy, spy, sly, try, tryst, why, wry, shh, tsk")],
    "Breakfast Cereal": "CEREAL",
    "Political Figure": ["wnp:politician.n.02 statesman.n.01 president.n.04"],
    "Fictional Animal": "FICTIONAL_ANIMALS",
    "Something with stripes": [hand("awning, bee, barber pole, candy cane, chipmunk, flag, football jersey, "
                                    "hornet, jersey, ladybug, lemur, mattress, napkin, okapi, pajamas, "
                                    "prison uniform, racoon, referee shirt, road, skunk, shirt, tiger, toothpaste, "
                                    "wallpaper, wasp, zebra, zebra crossing")],
    "Dangerous Occupation": [hand("astronaut, bomb disposal, bodyguard, coal miner, construction worker, "
                                  "diver, electrician, firefighter, fisherman, guard, hunter, ironworker, "
                                  "jockey, lumberjack, logger, miner, mercenary, navy seal, pilot, police officer, "
                                  "racecar driver, roofer, soldier, stuntman, test pilot, window washer")],
    "Nighttime Occupation": [hand("astronomer, bartender, baker, bouncer, cab driver, comedian, DJ, doctor, "
                                  "emergency nurse, firefighter, guard, hotel clerk, janitor, jazz musician, "
                                  "lighthouse keeper, milkman, night watchman, nurse, owl keeper, police officer, "
                                  "paramedic, radio host, security guard, taxi driver, trucker, waiter, watchman")],
    "Type of Crime": [hand("arson, assault, burglary, bribery, blackmail, counterfeiting, drunk driving, "
                           "embezzlement, extortion, fraud, forgery, graffiti, hijacking, homicide, identity theft, "
                           "jaywalking, kidnapping, larceny, littering, murder, manslaughter, mugging, "
                           "perjury, piracy, robbery, rape, shoplifting, smuggling, theft, treason, trespassing, "
                           "vandalism, wiretapping"), "wn:crime.n.01"],
    "Ice Cream Flavor": "ICECREAM",
    "People you admire": [hand("astronaut, athlete, brother, coach, doctor, dad, engineer, father, firefighter, "
                               "grandmother, grandfather, hero, inventor, judge, king, leader, mother, mom, nurse, "
                               "officer, parent, pastor, police officer, rescuer, soldier, teacher, veteran, "
                               "writer, Abraham Lincoln, Gandhi, Martin Luther King")],
    "Type of seafood": [hand("anchovy, bass, calamari, clam, cod, crab, crayfish, eel, flounder, grouper, "
                             "haddock, halibut, herring, kingfish, lobster, mackerel, mussel, octopus, oyster, "
                             "prawn, perch, salmon, sardine, scallop, shrimp, squid, snapper, swordfish, trout, "
                             "tuna, tilapia, walleye, whitefish"), "wn:seafood.n.01"],
    "Something you can't see": [hand("air, atoms, bacteria, breath, carbon dioxide, dreams, electricity, "
                                     "feelings, gas, germs, ghost, gravity, heat, ideas, infrared, jet stream, "
                                     "kindness, love, magnetism, microbes, noise, oxygen, pain, radio waves, "
                                     "sound, smell, thoughts, time, ultraviolet, virus, wind, wifi, x-rays")],
    "Something White": [hand("angel, bride, bone, cloud, chalk, cotton, daisy, dove, egg, eggshell, flour, "
                             "foam, ghost, glue, hail, ice, ivory, igloo, lily, milk, marshmallow, napkin, "
                             "onion, paper, pearl, polar bear, rice, salt, snow, sugar, swan, teeth, tooth, "
                             "wedding dress, whipped cream, yogurt")],
    "Something Black": [hand("asphalt, bat, blackboard, coal, crow, cat, crude oil, darkness, eightball, ebony, "
                             "flag, gorilla, hearse, ink, jet, licorice, mascara, night, oil, olive, onyx, panther, "
                             "pepper, raven, soot, spider, skunk, tar, tire, tuxedo, widow")],
    "Something Blue": [hand("bluebird, blueberry, bluejay, blue jeans, cornflower, denim, eyes, flag, "
                            "forget-me-not, glacier, hydrangea, ink, jeans, jay, lake, mailbox, navy uniform, "
                            "ocean, police uniform, peacock, river, sea, sky, sapphire, smurf, "
                            "turquoise, vein, water, whale")],
    "Something Red": [hand("apple, blood, brick, cherry, cardinal, crab, devil, fire truck, flag, ferrari, "
                           "heart, hot sauce, jam, ketchup, ladybug, lipstick, lobster, mars, nail polish, "
                           "paprika, pepper, poppy, radish, rose, ruby, raspberry, stop sign, strawberry, "
                           "tomato, tulip, watermelon, wine")],
    "Something Pink": [hand("azalea, blush, bubblegum, carnation, cotton candy, cherry blossom, "
                            "eraser, flamingo, grapefruit, gum, ham, hibiscus, ink, lipstick, lemonade, "
                            "marshmallow, nail polish, oleander, panther, peony, pig, piglet, rose, salmon, "
                            "shrimp, strawberry milk, tongue, tutu, watermelon")],
    "Something Brown": [hand("acorn, bear, bread, bark, chocolate, coffee, cinnamon, cocoa, dirt, deer, "
                             "earth, football, gravy, hazelnut, horse, hay, iced tea, leather, log, mud, "
                             "nut, oak, owl, paper bag, peanut butter, root beer, sand, soil, tree trunk, "
                             "toast, walnut, wood")],
    "Something Green": [hand("avocado, apple, broccoli, cucumber, celery, dollar bill, emerald, frog, "
                             "grass, grape, grasshopper, herbs, iguana, jade, kiwi, lime, leaf, lettuce, "
                             "money, moss, olive, pea, pickle, parrot, spinach, shamrock, turtle, tree, "
                             "traffic light, watermelon rind")],
    "Something Yellow": [hand("apple, banana, butter, buttercup, canary, cheese, corn, chick, custard, "
                              "daffodil, duckling, egg yolk, flame, gold, grapefruit, honey, highlighter, "
                              "lemon, lemonade, mustard, mango, noodle, omelet, pineapple, pencil, school bus, "
                              "sun, sunflower, sand, taxi, tulip, yolk")],
    "Something Orange": [hand("apricot, basketball, carrot, cheddar, cantaloupe, clementine, cone, "
                              "fire, flame, goldfish, ginger, jumpsuit, juice, kumquat, life jacket, mango, "
                              "marigold, nectarine, orange, peach, pumpkin, papaya, rust, sunset, salmon, "
                              "squash, tiger, tangerine, traffic cone")],
    "Ticket Only Event": [hand("air show, ballet, baseball game, boxing match, circus, concert, carnival, "
                               "dance recital, exhibition, fair, festival, football game, gala, hockey game, "
                               "ice show, jazz festival, lottery, movie, musical, museum, match, opera, "
                               "play, premiere, rodeo, show, symphony, theater, world series, wrestling")],
    "Equipment used for a sport": "SPORT_GEAR",
    "U.S. City": US_CITIES,
    "Sport": [hand("archery, baseball, basketball, boxing, bowling, cricket, cycling, curling, diving, "
                   "fencing, football, golf, gymnastics, hockey, hurdles, judo, javelin, karate, kickboxing, "
                   "lacrosse, marathon, netball, polo, rugby, rowing, soccer, skiing, swimming, tennis, "
                   "track, volleyball, wrestling, water polo"), "wn:sport.n.01"],
    "Something that is soft": [hand("bunny, bed, blanket, bread, cotton, cloud, down, duvet, feather, fur, "
                                    "fleece, gel, hair, jelly, kitten, lotion, marshmallow, moss, mattress, "
                                    "napkin, pillow, plush toy, puppy, rabbit, silk, sponge, sweater, "
                                    "teddy bear, tissue, velvet, wool")],
    "Something that is shouted": [hand("ahoy, action, bingo, boo, cheers, charge, duck, encore, fire, fore, "
                                       "goal, go, help, hooray, hurry, jump, look out, mayday, no, "
                                       "order, oops, police, run, stop, surprise, timber, touchdown, "
                                       "watch out, wow, yahoo")],
    "School Subject": "SUBJECTS",
    "Something found in a cellar": [hand("boxes, boiler, broom, cobwebs, canned food, dust, dehumidifier, "
                                         "freezer, furnace, fuse box, gardening tools, heater, insulation, "
                                         "jars, junk, ladder, laundry, mouse, mold, old furniture, "
                                         "paint cans, pipes, rat, spider, storage, tools, water heater, "
                                         "wine, washing machine")],
    "Footwear": [hand("boots, booties, clogs, cleats, espadrilles, flip-flops, flats, galoshes, heels, "
                      "high heels, hiking boots, loafers, moccasins, mules, oxfords, pumps, sandals, "
                      "sneakers, slippers, stilettos, tennis shoes, trainers, wellingtons, wedges, "
                      "ice skates, jellies, kicks, rain boots"), "wn:footwear.n.02"],
    "Terms of Endearment": [hand("angel, babe, baby, buttercup, cupcake, cutie, darling, dear, dearest, "
                                 "doll, honey, hun, jellybean, kitten, love, lovebug, muffin, pumpkin, "
                                 "precious, pet, sweetheart, sugar, sweetie, treasure, tiger, sunshine, "
                                 "lamb, gorgeous, old man, wifey")],
    "Food at a Carnival": [hand("apple fritter, burger, candy apple, caramel corn, cotton candy, corn dog, "
                                "churros, elephant ear, funnel cake, French fries, fried dough, hot dog, "
                                "ice cream, kettle corn, lemonade, nachos, nuts, onion rings, popcorn, "
                                "pretzel, pizza, snow cone, soda, sausage, taffy, turkey leg, waffle")],
    "Something computer related": "COMPUTER",
    "Something found in a fish tank": [hand("algae, air pump, bubbles, castle, coral, diver, eel, filter, "
                                            "fish, fish food, goldfish, gravel, guppy, heater, java fern, "
                                            "light, moss, net, neon tetra, ornament, plants, pebbles, rocks, "
                                            "sand, snail, shell, thermometer, treasure chest, water, "
                                            "water plants")],
    "Type of Snack": "SNACKS",
    "Something that you hang up": [hand("art, apron, bag, banner, coat, calendar, clothes, curtain, "
                                        "diploma, dress, flag, frame, garland, hat, hammock, jacket, key, "
                                        "laundry, lights, mirror, mobile, necklace, ornament, phone, poster, "
                                        "painting, picture, robe, shirt, stocking, towel, wreath, wallpaper")],
    "Something that you throw away": [hand("apple core, bottle, banana peel, box, can, cardboard, "
                                           "diaper, eggshells, food, garbage, gum, junk mail, junk, "
                                           "leftovers, magazine, napkin, newspaper, old clothes, paper, "
                                           "packaging, receipt, rubbish, scraps, tissue, trash, "
                                           "wrapper, waste")],
    "Cleaned during spring cleaning": [hand("attic, basement, bathroom, blinds, carpet, closet, curtains, "
                                            "drawers, deck, fridge, floor, garage, gutters, house, "
                                            "kitchen, lamps, mattress, oven, patio, pantry, rugs, shelves, "
                                            "stove, toilet, tiles, walls, windows, windowsills")],
    "breakfast food": "BREAKFAST",
    "teen movie": "TEEN_MOVIES",
    "Something found in a desk": [hand("address book, battery, calculator, crayon, calendar, computer, "
                                       "diary, envelope, eraser, file, folder, glue, gum, highlighter, "
                                       "ink, index cards, junk, keys, letter opener, marker, notebook, "
                                       "notepad, note, pen, pencil, paper clip, ruler, rubber band, "
                                       "scissors, stapler, stamps, tape, tissues, whiteout")],
    "cold drinks": [hand("apple juice, beer, coke, cola, cider, daiquiri, eggnog, frappe, float, ginger ale, "
                         "grape juice, ice water, iced tea, iced coffee, juice, kool-aid, lemonade, "
                         "limeade, milk, milkshake, margarita, orange juice, pop, punch, root beer, "
                         "slushie, smoothie, soda, seltzer, tea, water, wine")],
    "Word ending in \"LY\"": ["shape:ly"],
    "Famous Landmarks": [hand("Alamo, Acropolis, Big Ben, Brooklyn Bridge, Colosseum, Chichen Itza, "
                              "Eiffel Tower, Empire State Building, Forbidden City, Golden Gate Bridge, "
                              "Grand Canyon, Hoover Dam, Hollywood sign, Kremlin, Leaning Tower of Pisa, "
                              "Louvre, Machu Picchu, Mount Rushmore, Niagara Falls, Notre Dame, "
                              "Old Faithful, Parthenon, Pyramids, Pentagon, Stonehenge, Statue of Liberty, "
                              "Space Needle, Sydney Opera House, Taj Mahal, Tower of London, White House, "
                              "Westminster Abbey, Great Wall of China, Arc de Triomphe")],
    "Band with one word name": "BANDS",
    "Beer Brands": "BEERS",
    "type of furniture": "FURNITURE",
    "Something found in a hospital": "HOSPITAL",
    "Type of Tool": [hand("axe, awl, bolt cutter, chisel, clamp, crowbar, drill, file, grinder, hammer, "
                          "hatchet, hoe, jack, jigsaw, knife, ladder, level, mallet, nail gun, pliers, "
                          "pickaxe, rake, saw, screwdriver, shovel, sander, tape measure, trowel, vise, "
                          "wrench, wire cutter"), "wn:hand_tool.n.01 power_tool.n.01"],
    "Type of Beverage": "DRINKS",
    "Type of Meat": [hand("bacon, beef, bison, brisket, chicken, chop, duck, elk, filet mignon, goat, "
                          "goose, ham, hot dog, jerky, kielbasa, lamb, liver, mutton, meatball, pork, "
                          "pheasant, pepperoni, rabbit, ribs, salami, sausage, steak, turkey, tenderloin, "
                          "veal, venison, wings"), "wn:meat.n.01"],
    "Something that smells bad": [hand("armpit, bad breath, burnt toast, cheese, compost, diaper, dumpster, "
                                       "dog, egg, feet, fish, farts, garbage, garlic, gym socks, horse manure, "
                                       "landfill, litter box, manure, mold, onion, pig, rotten egg, sewer, "
                                       "skunk, socks, sweat, toilet, trash, wet dog")],
    "Food found in a deli": [hand("bagel, bologna, bread, cheese, corned beef, coleslaw, cold cuts, "
                                  "egg salad, frankfurter, green olives, ham, hot dog, hummus, kosher pickle, "
                                  "knish, liverwurst, lox, mustard, macaroni salad, olives, pastrami, "
                                  "pickle, potato salad, roast beef, rye bread, salami, sandwich, soup, "
                                  "turkey, tuna salad, wrap")],
    "Food/Drink that is green": [hand("apple, avocado, asparagus, broccoli, brussels sprouts, celery, "
                                      "cucumber, dill pickle, edamame, endive, green beans, grapes, "
                                      "green tea, guacamole, honeydew, iceberg lettuce, jalapeno, kale, "
                                      "kiwi, lime, lettuce, matcha, mint, okra, olive, pea, pesto, pickle, "
                                      "spinach, salad, tea, wasabi, watercress, zucchini")],
    "Games played outside": "OUTDOOR_GAMES",
    "team names": "TEAMS",
    "Female Athlete": [hand("Anna Kournikova, Billie Jean King, Chris Evert, Danica Patrick, Florence Griffith, "
                            "Gabby Douglas, Hope Solo, Jackie Joyner, Kerri Strug, Lindsey Vonn, "
                            "Mia Hamm, Martina Navratilova, Nadia Comaneci, Olga Korbut, Peggy Fleming, "
                            "Ronda Rousey, Serena Williams, Steffi Graf, Simone Biles, Tara Lipinski, "
                            "Venus Williams, Wilma Rudolph, Babe Didrikson")],
    "Male Athlete": [hand("Andre Agassi, Babe Ruth, Carl Lewis, Derek Jeter, Emmitt Smith, Floyd Mayweather, "
                          "Greg Louganis, Hank Aaron, Jesse Owens, Jackie Robinson, Kobe Bryant, LeBron James, "
                          "Michael Jordan, Muhammad Ali, Nolan Ryan, O. J. Simpson, Pele, Roger Federer, "
                          "Shaquille O'Neal, Tiger Woods, Tom Brady, Wayne Gretzky, Usain Bolt"),
                     "wnp:athlete.n.01"],
    "Olympic Event": [hand("archery, badminton, boxing, bobsled, cycling, canoeing, curling, diving, "
                           "decathlon, equestrian, fencing, figure skating, gymnastics, high jump, hurdles, "
                           "ice hockey, javelin, judo, kayaking, long jump, luge, marathon, "
                           "pole vault, rowing, relay, shot put, ski jumping, swimming, sailing, taekwondo, "
                           "triathlon, weightlifting, wrestling, water polo")],
    "Popular Last Name": [hand("Anderson, Brown, Baker, Clark, Davis, Evans, Edwards, Fisher, Garcia, Green, "
                               "Harris, Hall, Ingram, Irwin, Johnson, Jones, King, Kelly, Lee, Lewis, Miller, "
                               "Moore, Nelson, Nguyen, Owens, Olson, Parker, Perez, Robinson, Rodriguez, "
                               "Smith, Scott, Taylor, Thomas, Williams, Wilson, White")],
    "Good Vacation Spots": "VACATION",
    "Found on Main Street": [hand("apartment, bank, bakery, bench, barber shop, bus stop, cafe, church, "
                                  "diner, drugstore, fire hydrant, florist, gas station, hardware store, "
                                  "hotel, ice cream shop, jewelry store, library, lamp post, mailbox, "
                                  "newsstand, office, post office, parking meter, restaurant, shop, "
                                  "sidewalk, stoplight, town hall, theater, traffic light, window")],
    "Science Terms": [hand("atom, acid, biology, cell, chemistry, DNA, electron, energy, experiment, force, "
                           "fossil, gene, gravity, hypothesis, hydrogen, isotope, ion, joule, kinetic energy, "
                           "laboratory, molecule, mass, neutron, nucleus, orbit, oxygen, photosynthesis, "
                           "proton, physics, reaction, species, theory, velocity, volume, wavelength"),
                      "wn:natural_science.n.01"],
    "Item in a school locker": "LOCKER",
    "Item in a classroom": [hand("atlas, blackboard, book, backpack, calendar, chalk, chair, clock, desk, "
                                 "dictionary, eraser, flag, globe, glue, homework, highlighter, "
                                 "index cards, journal, keyboard, lamp, map, marker, notebook, overhead projector, "
                                 "pencil, pen, paper, ruler, scissors, stapler, teacher, textbook, "
                                 "whiteboard, wastebasket")],
    "Government Term": [hand("amendment, ambassador, bill, budget, cabinet, congress, constitution, "
                             "democracy, election, executive, federal, governor, house, impeachment, "
                             "judiciary, justice, legislature, law, mayor, minister, nation, office, "
                             "parliament, president, republic, senate, senator, tax, treaty, veto, vote, "
                             "welfare")],
    "Type of Pet": [hand("bird, budgie, cat, canary, dog, ferret, fish, gerbil, goldfish, guinea pig, "
                         "hamster, horse, hermit crab, iguana, kitten, lizard, mouse, newt, parrot, puppy, "
                         "pony, rabbit, rat, snake, spider, turtle, tortoise, tarantula, "
                         "water dragon")],
    "Computer Lingo": "COMPUTER",
    "Icecream Flavors": "ICECREAM",
    "Board Game": [hand("Backgammon, Battleship, Candy Land, Checkers, Chess, Clue, Chutes and Ladders, "
                        "Dominoes, Go, Guess Who, Hungry Hungry Hippos, Jenga, Ludo, Mancala, Monopoly, "
                        "Mouse Trap, Operation, Othello, Parcheesi, Pictionary, Risk, Scrabble, Sorry, "
                        "Stratego, Trivial Pursuit, Trouble, Twister, Yahtzee"), "wn:board_game.n.01"],
    "Outdoor Game": "OUTDOOR_GAMES",
    "Video Game or equipment": [hand("Atari, Asteroids, controller, Call of Duty, console, Donkey Kong, "
                                     "Doom, Frogger, Fortnite, Galaga, Game Boy, Halo, headset, joystick, "
                                     "keyboard, Mario Kart, Minecraft, Nintendo, Pac-Man, PlayStation, "
                                     "Pong, Sonic, Space Invaders, Tetris, Tomb Raider, Wii, "
                                     "World of Warcraft, Xbox, Zelda")],
    "Flower": [hand("aster, azalea, begonia, carnation, chrysanthemum, daisy, daffodil, dahlia, "
                    "edelweiss, foxglove, gardenia, geranium, hibiscus, hyacinth, iris, jasmine, "
                    "lily, lilac, lavender, magnolia, marigold, narcissus, orchid, peony, poppy, "
                    "petunia, rose, snapdragon, sunflower, tulip, violet, wisteria"), "wn:flower.n.01"],
    "Stone/Gem": [hand("agate, amethyst, amber, beryl, bloodstone, citrine, coral, diamond, emerald, "
                       "flint, garnet, granite, hematite, jade, jasper, jet, kunzite, lapis lazuli, "
                       "marble, moonstone, malachite, onyx, opal, pearl, peridot, quartz, ruby, "
                       "sapphire, slate, topaz, turquoise, tourmaline"), "wn:gem.n.02"],
    "Word with Double Letters": ["shape:double"],
    "Dog Name": [DOGS],
    "Cookie Ingredients": [hand("almonds, butter, baking soda, baking powder, brown sugar, chocolate chips, "
                                "cinnamon, coconut, eggs, flour, ginger, honey, icing, jam, lemon zest, "
                                "milk, molasses, nutmeg, nuts, oats, peanut butter, pecans, raisins, salt, "
                                "sugar, sprinkles, toffee, vanilla, walnuts")],
    "Four Letter Word": ["shape:four"],
    "Five Letter Word": ["shape:five"],
    "Menu Item": [hand("appetizer, bagel, burger, bread, chicken, chili, dessert, entree, eggs, fries, "
                       "fish, grilled cheese, hamburger, hot dog, ice cream, juice, kebab, lasagna, "
                       "meatloaf, milkshake, nachos, omelet, pasta, pancakes, pizza, ribs, salad, "
                       "soup, steak, sandwich, tacos, wings, waffles")],
    "Time related Word": [hand("afternoon, alarm, age, century, clock, calendar, day, dawn, decade, "
                               "evening, era, future, fortnight, hour, history, instant, jiffy, "
                               "later, millennium, minute, month, morning, night, noon, now, o'clock, "
                               "past, present, second, sundial, today, tomorrow, timer, watch, week, "
                               "weekend, year")],
    "One word song title": "SONGS1",
    "Type of Beer": [hand("ale, amber, bitter, bock, brown ale, craft beer, dark, draft, dunkel, "
                          "export, framboise, ginger beer, hefeweizen, IPA, Irish red, kolsch, "
                          "lager, light beer, malt liquor, microbrew, near beer, oktoberfest, "
                          "pilsner, porter, pale ale, root beer, stout, saison, trappist, wheat beer, "
                          "wit")],
    "Type of Cereal": "CEREAL",
    "Classic TV show": "TV",
    "Cartoon Character": "CARTOONS",
    "Child's Toy": "TOYS",
    "Type of Greeting": [hand("aloha, bonjour, bow, ciao, cheers, good morning, good day, greetings, "
                              "handshake, hello, hi, hey, howdy, hug, hola, kiss, namaste, nod, "
                              "peace, salute, shalom, salutations, thumbs up, wave, welcome, "
                              "what's up, wink, yo")],
    "TV Character": "TV_CHARACTERS",
    "Type of Candy": [hand("bubble gum, butterscotch, candy cane, caramel, chocolate, cotton candy, "
                           "fudge, gumdrop, gummy bears, hard candy, jelly beans, jawbreaker, "
                           "kit kat, licorice, lollipop, marshmallow, m&m's, mints, nougat, "
                           "peppermint, pez, rock candy, skittles, snickers, taffy, toffee, "
                           "truffle, twix, whoppers"), "wn:candy.n.01"],
    "Item that cost more then $1000": [hand("airplane, boat, car, computer, diamond, engagement ring, "
                                            "furniture, fur coat, grand piano, house, horse, hot tub, "
                                            "jet ski, jewelry, kitchen, land, motorcycle, mansion, "
                                            "new roof, oven, painting, piano, rolex, sofa, tractor, "
                                            "truck, television, tuition, vacation, wedding, yacht")],
    "Item that cost less then $5": [hand("apple, bread, banana, candy, coffee, chips, donut, eraser, "
                                         "envelope, fries, gum, glue, hot dog, ice cream cone, juice, "
                                         "keychain, lollipop, lighter, milk, newspaper, notebook, orange, "
                                         "pencil, pen, postcard, soda, stamp, toothbrush, water, "
                                         "bottle of water")],
    "Military Related": [hand("army, admiral, artillery, bomb, barracks, battalion, captain, colonel, "
                              "camouflage, drill, enlist, fort, general, grenade, helicopter, infantry, "
                              "jeep, jet, kevlar, lieutenant, marines, medal, navy, officer, platoon, "
                              "private, rank, rifle, salute, sergeant, soldier, tank, troops, uniform, war"),
                         "wn:military_officer.n.01 military_unit.n.01"],
    "Laundry related word": [hand("apron, bleach, basket, clothespin, clothesline, detergent, dryer, "
                                  "fabric softener, fold, hamper, hanger, iron, ironing board, jeans, "
                                  "laundromat, lint, load, machine, pants, press, quarters, rinse, "
                                  "socks, soap, spin, stain, starch, towels, wash, washer")],
    "Resturant Related word": [hand("appetizer, bill, booth, busboy, chef, check, cook, dessert, diner, "
                                    "entree, fork, food, glass, host, hostess, ice, kitchen, knife, "
                                    "linen, menu, meal, napkin, order, plate, reservation, restaurant, "
                                    "salad, server, special, table, tip, tray, waiter, waitress, wine list")],
    "Item found at a bowling alley": [hand("alley, arcade, ball, bumper, bar, beer, chalk, counter, "
                                           "drinks, foul line, gutter, hot dog, jukebox, kids, lane, "
                                           "locker, nachos, oil, pins, pinsetter, pizza, return, "
                                           "rental shoes, scoreboard, shoes, spare, strike, towel, "
                                           "wax")],
    "Something found a sports venue": [hand("athlete, announcer, ball, bleachers, beer, coach, concession, "
                                            "crowd, dugout, fans, field, goal, hot dog, ice, jersey, "
                                            "jumbotron, locker room, mascot, net, official, popcorn, "
                                            "press box, referee, scoreboard, seats, stands, team, "
                                            "ticket, umpire, whistle")],
    "Something found at a church": [hand("altar, aisle, bible, bell, candle, choir, cross, confession, "
                                         "deacon, donation plate, font, flowers, hymnal, holy water, "
                                         "icon, kneeler, lectern, minister, nun, organ, pew, priest, "
                                         "pulpit, rosary, steeple, stained glass, tabernacle, usher, "
                                         "wedding")],
    "Something you keep hidden": [hand("address, age, bank account, birthday present, cash, credit card, "
                                       "diary, drugs, feelings, gift, gun, hiding place, income, "
                                       "jewelry, key, love letter, money, notes, password, phone number, "
                                       "pin number, passport, receipt, secret, scar, stash, tattoo, "
                                       "treasure, valuables, wallet, weight")],
    "Item found in a suitcase": [hand("adapter, bathing suit, belt, book, clothes, camera, charger, "
                                      "dress, deodorant, earrings, flip-flops, glasses, hairbrush, "
                                      "hat, iron, jeans, jacket, kindle, laptop, makeup, medicine, "
                                      "nightgown, outfit, pants, pajamas, passport, razor, shirt, socks, "
                                      "shoes, sunscreen, toothbrush, towel, underwear, wallet")],
    "Thing with a tail": [hand("airplane, alligator, beaver, cat, comet, cow, dog, dinosaur, dragon, "
                               "elephant, fox, fish, giraffe, horse, hamster, iguana, jaguar, kite, "
                               "kangaroo, lion, lizard, monkey, mouse, newt, ox, otter, pig, peacock, rat, "
                               "rabbit, squirrel, snake, tiger, tadpole, whale, wolf")],
    "Type of Illness": [hand("asthma, allergy, bronchitis, chickenpox, cold, cancer, cough, diabetes, "
                             "diarrhea, ebola, fever, flu, gout, hepatitis, headache, influenza, "
                             "insomnia, jaundice, kidney stones, leukemia, lupus, malaria, measles, "
                             "mumps, nausea, obesity, pneumonia, polio, rabies, rash, strep throat, "
                             "smallpox, tonsillitis, tuberculosis, whooping cough"), "wn:disease.n.01"],
    "Item found in a shed": "SHED",
    "Word linked to Thanksgiving": [hand("autumn, apple pie, cranberry, cornucopia, corn, dinner, "
                                         "drumstick, dressing, family, feast, football, gravy, gratitude, "
                                         "harvest, ham, indians, November, leftovers, mashed potatoes, "
                                         "Mayflower, oven, pie, pilgrims, pumpkin, parade, rolls, stuffing, "
                                         "squash, thanks, turkey, wishbone, yams")],
    "Word linked to Christmas": [hand("angel, bells, candy cane, carols, chimney, cookies, december, "
                                      "elf, eggnog, fireplace, gifts, garland, holly, ho ho ho, ice, "
                                      "jingle bells, joy, kris kringle, lights, mistletoe, manger, "
                                      "nativity, north pole, ornament, presents, reindeer, Rudolph, "
                                      "Santa, sleigh, snow, star, stocking, tree, tinsel, wreath, wrapping paper")],
    "Word linked to Halloween": [hand("apple bobbing, bat, broom, black cat, candy, costume, cauldron, "
                                      "candy corn, devil, eyeball, fangs, ghost, goblin, haunted house, "
                                      "howl, jack-o'-lantern, ghoul, mask, mummy, moon, night, "
                                      "October, owl, pumpkin, potion, scary, skeleton, spider, treat, "
                                      "trick, vampire, witch, werewolf, zombie")],
    "Word linked to July 4th": [hand("America, barbecue, bald eagle, boom, celebration, cookout, "
                                     "Declaration, eagle, fireworks, flag, freedom, grill, hamburgers, "
                                     "hot dogs, independence, July, liberty, music, nation, "
                                     "parade, patriot, picnic, red white and blue, sparklers, stars and stripes, "
                                     "summer, watermelon")],
    "Word linked to America": [hand("apple pie, Alaska, baseball, bald eagle, Broadway, California, "
                                    "constitution, democracy, eagle, flag, freedom, football, Hollywood, "
                                    "hot dog, independence, jeans, jazz, Kentucky, liberty, Lincoln, "
                                    "New York, Obama, president, pioneer, rodeo, stars, stripes, "
                                    "Texas, Uncle Sam, Washington, White House")],
    "Word linked to Easter": [hand("april, basket, bunny, bonnet, chick, church, candy, chocolate, "
                                   "cross, daffodil, egg, egg hunt, flowers, grass, ham, hunt, "
                                   "jelly beans, Jesus, lamb, lily, marshmallow, Peeps, pastel, rabbit, "
                                   "resurrection, spring, Sunday, tulip, tomb")],
    "Word linked to Weddings": "WEDDING",
    "Word linked to Birthdays": [hand("age, balloons, bash, cake, candles, cards, celebration, clown, "
                                      "decorations, dessert, friends, family, games, gifts, hats, "
                                      "ice cream, invitation, juice, kids, magician, noisemaker, "
                                      "older, party, presents, piñata, ribbon, surprise, streamers, "
                                      "song, wish, wrapping paper, year")],
    "Word linked to Vacations": "VACATION_WORDS",
    "Something at a beach": [hand("algae, bikini, boat, bucket, crab, cooler, dune, driftwood, "
                                  "flip-flops, frisbee, gull, hat, ice cream, jellyfish, kite, lifeguard, "
                                  "lotion, net, ocean, pier, pail, rocks, sand, sandcastle, shell, "
                                  "sunscreen, surfboard, towel, umbrella, volleyball, waves, water")],
    "Vacation Spot": "VACATION",
    "Something at a circus": [hand("acrobat, animals, balloons, bear, clown, cannon, cotton candy, "
                                   "elephant, fire eater, flea circus, horse, high wire, "
                                   "juggler, knife thrower, lion, lion tamer, monkey, magician, "
                                   "net, peanuts, popcorn, ringmaster, strongman, tent, tiger, "
                                   "tightrope, trapeze, unicycle, whip")],
    "Something that is cold": [hand("air conditioner, Antarctica, beer, blizzard, cooler, drink, "
                                    "freezer, frost, glacier, hail, ice, iceberg, ice cream, icicle, "
                                    "igloo, January, lemonade, milk, north pole, ocean, popsicle, "
                                    "penguin, refrigerator, snow, snowman, sleet, snowflake, winter, "
                                    "water, wind")],
    "something that is hot": [hand("asphalt, bath, coffee, chili, candle, desert, engine, fire, flame, "
                                   "grill, heater, hot sauce, iron, jalapeno, kettle, lava, lightbulb, "
                                   "match, microwave, oven, pepper, pizza, radiator, stove, sun, "
                                   "soup, sauna, summer, tea, toaster, volcano, wax")],
    "School Supply": [hand("backpack, binder, book, calculator, crayons, compass, eraser, folder, "
                           "glue, glue stick, highlighter, index cards, ink, journal, lunch box, "
                           "marker, notebook, notepad, pen, pencil, paper, protractor, ruler, "
                           "scissors, stapler, sharpener, tape, textbook, workbook")],
    "Breakfast Food": "BREAKFAST",
    "Type of furniture": "FURNITURE",
    "Something found in the ocean": [hand("algae, anchor, barracuda, coral, crab, clam, dolphin, eel, "
                                          "fish, fin, grouper, garbage, iceberg, island, jellyfish, kelp, "
                                          "krill, lobster, manatee, mussel, octopus, oyster, plankton, "
                                          "reef, shark, seaweed, salt, squid, starfish, submarine, "
                                          "turtle, tuna, whale, waves, water")],
    "Brand Name": "BRANDS",
    "Villian/Monster": [hand("alien, bogeyman, Count Dracula, Cruella de Vil, Darth Vader, dragon, "
                             "Dracula, Frankenstein, Freddy Krueger, Godzilla, goblin, Hannibal Lecter, "
                             "Hook, Joker, Jabba, King Kong, Lex Luthor, Loki, Magneto, mummy, "
                             "Norman Bates, ogre, Penguin, Riddler, Sauron, Scar, troll, Ursula, "
                             "Voldemort, vampire, werewolf, wicked witch, zombie")],
    "Something found in a locker": "LOCKER",
    "Something found in a purse": [hand("aspirin, brush, breath mints, chapstick, comb, cell phone, "
                                        "coins, credit card, checkbook, diary, earrings, eyeliner, "
                                        "gum, glasses, hand sanitizer, hairbrush, ID, keys, "
                                        "lipstick, lotion, makeup, mirror, money, notebook, nail file, "
                                        "pen, perfume, receipt, sunglasses, tissues, tampon, wallet")],
    "Something found in a wallet": [hand("ATM card, bills, business card, cash, coins, coupon, credit card, "
                                         "debit card, driver's license, dollar, family photo, gift card, "
                                         "health card, ID, insurance card, key, library card, "
                                         "license, money, note, photo, picture, receipt, "
                                         "social security card, stamps, ticket, voter card")],
    "Something found in a glove box": [hand("atlas, batteries, bandages, car manual, charger, "
                                            "coins, directions, envelope, flashlight, fuse, "
                                            "gloves, gum, insurance card, ice scraper, jumper cables, "
                                            "kleenex, lighter, map, manual, napkins, owner's manual, "
                                            "pen, paper, registration, receipts, sunglasses, "
                                            "tissues, tire gauge, warranty")],
    "Something found in a drug store": [hand("aspirin, antacid, bandage, band-aid, cough syrup, candy, "
                                             "condoms, cotton balls, deodorant, eye drops, film, "
                                             "greeting cards, gum, hair dye, ibuprofen, inhaler, "
                                             "lotion, lip balm, makeup, medicine, nail polish, "
                                             "ointment, painkiller, pharmacist, prescription, "
                                             "razor, shampoo, soap, toothpaste, vitamins, "
                                             "wrapping paper")],
    "Something found at a mall": [hand("arcade, bookstore, bench, clothing store, cinema, clerk, "
                                       "department store, directory, escalator, elevator, fountain, "
                                       "food court, gift shop, ice cream, jewelry store, kiosk, "
                                       "lights, mannequin, music store, neon sign, outlet, parking lot, "
                                       "restroom, shoppers, shoe store, security guard, toy store, "
                                       "teenagers, window display")],
    "Something found on the ground": [hand("ant, acorn, bug, branch, coin, cigarette butt, dirt, dust, "
                                           "earthworm, feather, flower, grass, gravel, gum, hair, ice, "
                                           "insect, junk, key, leaf, litter, mud, moss, nail, "
                                           "paper, penny, pebble, rock, sand, stick, stone, trash, "
                                           "twig, weed, worm")],
    "Thing that make you itch": [hand("ants, allergy, bug bite, chicken pox, dry skin, dust, eczema, "
                                      "flea, fleas, grass, hay, hives, insect bite, jellyfish sting, "
                                      "lice, mosquito, mites, nettle, oak, poison ivy, pollen, rash, "
                                      "scab, sunburn, sweater, tag, ticks, wool")],
    "Something that bleeds": [hand("arm, blister, cut, dog, elbow, finger, gums, heart, hand, "
                                   "injury, knee, lip, leg, meat, nose, nick, paper cut, "
                                   "person, pen, scab, scrape, skin, steak, tongue, vein, wound")],
    "Something that makes you cry": [hand("allergies, breakup, bad news, book, chopping onions, death, "
                                          "divorce, failure, funeral, grief, happiness, heartbreak, "
                                          "injury, joy, loneliness, loss, laughing, movie, news, "
                                          "onion, pain, pepper spray, rejection, sad movie, sadness, "
                                          "smoke, tear gas, tragedy, wedding")],
    "Something that is Illegal": [hand("arson, assault, bribery, burglary, counterfeit money, drugs, "
                                       "drunk driving, embezzlement, fraud, forgery, gambling, "
                                       "hacking, heroin, identity theft, jaywalking, kidnapping, "
                                       "littering, murder, moonshine, narcotics, piracy, perjury, "
                                       "robbery, speeding, smuggling, stealing, theft, trespassing, "
                                       "vandalism, weapons")],
    "Item found in space": [hand("asteroid, astronaut, black hole, comet, constellation, dust, "
                                 "earth, galaxy, gas, helium, hydrogen, ice, Jupiter, Kuiper belt, "
                                 "light, meteor, moon, Mars, nebula, Neptune, orbit, planet, pulsar, "
                                 "quasar, rocket, satellite, star, sun, space station, telescope, "
                                 "Uranus, Venus, wormhole"), "wnp:planet.n.01 constellation.n.02"],
    "Item found in a kitchen": [hand("apron, blender, bowl, cup, cupboard, counter, dishwasher, dish, fork, "
                                     "freezer, fridge, glass, grater, honey, ice, juicer, jar, knife, "
                                     "kettle, ladle, microwave, mixer, napkin, oven, pot, pan, plate, "
                                     "refrigerator, spoon, sink, stove, toaster, table, whisk"),
                                "wn:kitchen_utensil.n.01 kitchen_appliance.n.01"],
    "Emotion": [hand("anger, anxiety, bliss, boredom, compassion, contempt, curiosity, disgust, delight, "
                     "envy, embarrassment, fear, frustration, gratitude, grief, guilt, happiness, hate, "
                     "hope, irritation, jealousy, joy, kindness, love, loneliness, misery, nervousness, "
                     "outrage, pride, panic, rage, regret, sadness, shame, surprise, terror, worry"),
               "wn:emotion.n.01"],
    "Body of Water": [hand("Atlantic Ocean, bay, brook, canal, creek, channel, delta, estuary, Erie, fjord, "
                           "gulf, Great Lakes, harbor, Hudson River, Indian Ocean, inlet, Jordan River, "
                           "lake, lagoon, Mississippi, marsh, Nile, ocean, pond, pool, Pacific Ocean, "
                           "river, reservoir, sea, stream, swamp, Thames, Tahoe, waterfall, well"),
                      "wnb:body_of_water.n.01"],
    "Something Cheesy": [hand("a bad joke, bad movie, burrito, cheesecake, cheese puffs, cheesesteak, "
                              "calzone, cheddar, cheeto, dip, enchilada, fondue, grilled cheese, "
                              "greeting card, hallmark card, jalapeno poppers, joke, lasagna, "
                              "love song, macaroni, mozzarella sticks, nachos, omelet, pick-up line, "
                              "pizza, quesadilla, romance novel, soap opera, taco, Velveeta")],
    "Cleaning Product": [hand("ammonia, bleach, broom, brush, cleanser, detergent, dish soap, duster, "
                              "furniture polish, glass cleaner, hand soap, lysol, mop, "
                              "oven cleaner, polish, paper towel, rag, scrub brush, soap, sponge, "
                              "spray, toilet brush, vinegar, vacuum, wax, windex, wipes"),
                         "wn:cleansing_agent.n.01"],
    "Company or Business": "BRANDS",
    "something sharp": [hand("arrow, axe, blade, broken glass, cactus, claw, chisel, dagger, "
                             "edge, fang, fork, glass, harpoon, hook, icicle, ice pick, javelin, "
                             "knife, lance, needle, nail, pin, pencil, razor, rose thorn, "
                             "sword, scissors, saw, spear, tack, thorn, tooth, wit")],
    "something dull": [hand("a lecture, blade, butter knife, boring book, crayon, class, chalk, "
                            "dishwater, eraser, economics lecture, grey sky, homework, ink, "
                            "job, knife, lecture, meeting, movie, old pencil, pencil, rock, "
                            "sermon, speech, spoon, tax form, television, tv show, weather report")],
    "Holiday": [hand("April Fools Day, Boxing Day, Christmas, Columbus Day, Easter, Earth Day, "
                     "Father's Day, Flag Day, Good Friday, Groundhog Day, Halloween, Hanukkah, "
                     "Independence Day, Kwanzaa, Labor Day, Lent, Memorial Day, Mother's Day, "
                     "New Year's Day, New Year's Eve, Passover, Presidents Day, Ramadan, Rosh Hashanah, "
                     "St. Patrick's Day, Thanksgiving, Valentine's Day, Veterans Day, Yom Kippur"),
                "wnp:holiday.n.02"],
    "Fast food resturant": [hand("Arby's, Burger King, Chick-fil-A, Carl's Jr., Dairy Queen, Domino's, "
                                 "Dunkin' Donuts, El Pollo Loco, Five Guys, Hardee's, In-N-Out, "
                                 "Jack in the Box, Jimmy John's, KFC, Krystal, Long John Silver's, "
                                 "McDonald's, Nathan's, Outback, Pizza Hut, Popeyes, Panda Express, "
                                 "Quiznos, Roy Rogers, Subway, Sonic, Taco Bell, Tim Hortons, Wendy's, "
                                 "White Castle")],
    "Something Old": [hand("antique, ancient ruins, bones, book, castle, coin, dinosaur, dust, fossil, "
                           "furniture, grandfather, grandma, history, heirloom, jewelry, mummy, "
                           "newspaper, oak tree, photograph, pyramid, relic, rock, record, shoes, "
                           "stamp, tortoise, tree, vase, wine")],
    "Someone who has died": [hand("Albert Einstein, Abraham Lincoln, Bob Marley, Buddy Holly, Charles Darwin, "
                                  "Charlie Chaplin, Diana, Elvis Presley, Frank Sinatra, George Washington, "
                                  "Houdini, Isaac Newton, John Lennon, Jimi Hendrix, Kurt Cobain, "
                                  "Karl Marx, Marilyn Monroe, Michael Jackson, Mozart, Napoleon, "
                                  "Princess Diana, Pablo Picasso, Queen Victoria, Ronald Reagan, "
                                  "Shakespeare, Steve Jobs, Thomas Edison, Walt Disney, Winston Churchill"),
                             "wnp:person.n.01"],
    "something new": [hand("apartment, baby, born, car, calendar, clothes, dress, day, diploma, "
                           "fashion, gadget, gift, haircut, home, idea, invention, job, kitten, "
                           "leaf, moon, newborn, outfit, phone, puppy, penny, release, "
                           "shoes, start, toy, technology, wedding, year")],
    "Wedding term": "WEDDING",
    "Person who wears a uniform": [hand("athlete, army officer, baseball player, cop, chef, doctor, "
                                        "delivery man, firefighter, flight attendant, guard, "
                                        "hockey player, janitor, judge, jockey, mailman, marine, nurse, "
                                        "officer, pilot, police officer, referee, sailor, soldier, "
                                        "student, umpire, waiter, waitress")],
    "something that floats": [hand("apple, balloon, boat, buoy, bubble, cork, canoe, cloud, duck, "
                                    "driftwood, feather, float, fish, ice, iceberg, inner tube, "
                                    "jellyfish, kayak, leaf, life jacket, log, oil, paper, raft, "
                                    "rubber duck, ship, sponge, stick, surfboard, swan, wood, "
                                    "yacht")],
    "something that sinks": [hand("anchor, anvil, bowling ball, brick, boulder, coin, diver, "
                                  "dumbbell, egg, fishing weight, gold, hammer, iron, key, lead, "
                                  "metal, nail, penny, pebble, rock, sand, stone, submarine, "
                                  "steel, ship, Titanic, wrench")],
    "something you catch": [hand("a ball, a bus, a break, a cold, bug, baseball, butterfly, breath, "
                                 "chicken pox, cold, criminal, crab, disease, fish, fly, frisbee, "
                                 "flu, football, germs, glimpse, hint, insect, joke, ladybug, "
                                 "mouse, mistake, plane, pass, rays, rabbit, snowflake, thief, "
                                 "train, wave")],
    "something you throw": [hand("axe, ball, baseball, boomerang, bouquet, confetti, dart, discus, "
                                 "dice, egg, frisbee, football, grenade, hammer, horseshoe, insult, "
                                 "javelin, kiss, knife, lasso, net, party, punch, rock, rice, "
                                 "snowball, stone, shot put, tantrum, water balloon")],
    "animal at the zoo": "ZOO",
    "Farm animal": [hand("alpaca, bull, chicken, cow, calf, cat, dog, donkey, duck, emu, "
                         "farm dog, goat, goose, hen, horse, hog, jackass, kid, lamb, llama, mule, "
                         "mare, ostrich, ox, pig, pony, rooster, rabbit, sheep, sow, turkey, "
                         "stallion, water buffalo")],
    "Type of Crop": [hand("alfalfa, apple, barley, beans, corn, cotton, canola, carrots, cabbage, "
                          "grapes, hay, hops, lettuce, lentil, maize, millet, oats, potato, "
                          "peanuts, rice, rye, soybeans, squash, sugar cane, sugar beet, "
                          "tobacco, tomatoes, wheat"), "wn:crop.n.02 cereal.n.01"],
    "Type of relative": [hand("aunt, brother, brother-in-law, cousin, dad, daughter, father, "
                              "grandfather, grandmother, granddaughter, grandson, half brother, "
                              "husband, in-law, mother, mom, nephew, niece, parent, sister, "
                              "son, stepfather, stepmother, twin, uncle, wife"), "wn:relative.n.01"],
    "Type of Bird": "BIRDS",
    "Kind of cake": [hand("angel food cake, apple cake, banana bread, birthday cake, black forest, "
                          "carrot cake, cheesecake, chocolate cake, cupcake, devil's food, "
                          "fruitcake, funnel cake, German chocolate, honey cake, ice cream cake, "
                          "jelly roll, lemon cake, layer cake, marble cake, "
                          "pound cake, pineapple upside-down cake, red velvet, rum cake, "
                          "sponge cake, strawberry shortcake, tiramisu, upside down cake, wedding cake"),
                     "wn:cake.n.03 -cookie.n.01"],
    "kind of cookie": [hand("almond cookie, biscotti, butter cookie, chocolate chip, fig newton, "
                            "fortune cookie, gingerbread, gingersnap, iced cookie, jam cookie, "
                            "ladyfinger, lemon cookie, macaroon, molasses, oatmeal raisin, oreo, "
                            "peanut butter, pecan sandy, shortbread, snickerdoodle, sugar cookie, "
                            "thin mint, wafer, white chocolate macadamia"), "wn:cookie.n.01"],
    "kind of pie": [hand("apple, apple pie, banana cream, blueberry, boston cream, cherry, chicken pot pie, "
                         "coconut cream, custard, cottage pie, eggnog, fruit, grasshopper, "
                         "key lime, lemon meringue, mince, mud pie, meat pie, nut, "
                         "peach, pecan, pumpkin, rhubarb, raspberry, shepherd's pie, strawberry, "
                         "sweet potato, tart"), "wn:pie.n.01"],
    "Name of a mountain": [hand("Aconcagua, Mont Blanc, Blue Ridge, Cotopaxi, Denali, Mount Everest, "
                                "Everest, Fuji, Hood, Jungfrau, K2, Kilimanjaro, Logan, Matterhorn, "
                                "McKinley, Olympus, Pikes Peak, Rainier, Shasta, St. Helens, "
                                "Table Mountain, Vesuvius, Whitney, Elbrus, Etna"),
                           "wnp:mountain.n.01 volcano.n.02"],
    "type of dessert": "DESSERTS",
    "Famous Females": "WOMEN",
    "Famous duos or trios": [hand("Abbott and Costello, Batman and Robin, Bonnie and Clyde, Beavis and Butthead, "
                                  "Cheech and Chong, Dumb and Dumber, Destiny's Child, Hall and Oates, "
                                  "Hansel and Gretel, Jekyll and Hyde, Jack and Jill, Laurel and Hardy, "
                                  "Lewis and Clark, Mario and Luigi, Milli Vanilli, Penn and Teller, "
                                  "Romeo and Juliet, Simon and Garfunkel, Sonny and Cher, "
                                  "Tom and Jerry, Three Stooges, Wallace and Gromit, Will and Grace")],
    "Titles People Can Have": [hand("admiral, archbishop, baron, bishop, captain, chief, doctor, duke, "
                                    "duchess, earl, emperor, father, general, governor, "
                                    "his majesty, judge, king, knight, lady, lord, mister, mayor, "
                                    "madam, nurse, officer, professor, prince, princess, queen, "
                                    "reverend, sir, senator, sheriff, teacher, your honor")],
    "Nickname": [hand("Ace, Babe, Bubba, Buddy, Chief, Champ, Doc, Dude, Einstein, Flash, Goose, "
                      "Honey, Ice Man, Junior, Jazz, Kid, Lefty, Moose, Mac, Nerd, Old Timer, "
                      "Pal, Peanut, Red, Rocky, Sport, Sparky, Slim, Tiger, Tex, Whiz")],
    "Heroes": [hand("Aquaman, Batman, Black Panther, Captain America, Catwoman, Daredevil, Flash, "
                    "firefighter, Green Lantern, Hercules, Hulk, Iron Man, Indiana Jones, "
                    "Joan of Arc, King Arthur, Luke Skywalker, Mighty Mouse, Nightwing, "
                    "Odysseus, Popeye, Robin Hood, Spider-Man, Superman, Thor, Wonder Woman, "
                    "Wolverine, Zorro")],
    "Notorious person": [hand("Al Capone, Bonnie Parker, Billy the Kid, Bin Laden, Charles Manson, "
                              "Clyde Barrow, Dillinger, Escobar, Fidel Castro, Gaddafi, Hitler, Idi Amin, "
                              "Jack the Ripper, Jesse James, Kim Jong Il, Lee Harvey Oswald, Mussolini, "
                              "Machiavelli, Nero, Osama bin Laden, Pol Pot, Rasputin, Saddam Hussein, "
                              "Stalin, Ted Bundy, Timothy McVeigh, Vlad the Impaler")],
    "TV star": "TV_STARS",
    "Author": [hand("Agatha Christie, Austen, Charles Dickens, Dickens, Dr. Seuss, Edgar Allan Poe, "
                    "Ernest Hemingway, F. Scott Fitzgerald, George Orwell, Homer, Hemingway, Isaac Asimov, "
                    "J. K. Rowling, Jane Austen, John Grisham, Kafka, Leo Tolstoy, Mark Twain, "
                    "Nabokov, Oscar Wilde, Poe, Rowling, Stephen King, Shakespeare, Tolstoy, "
                    "Tolkien, Virginia Woolf, Walt Whitman"), "wnp:writer.n.01"],
    "Biblical Place": [hand("Antioch, Babylon, Bethlehem, Bethany, Canaan, Calvary, Damascus, Eden, Egypt, "
                            "Galilee, Gethsemane, Golgotha, Goshen, Hebron, Israel, Jericho, Jerusalem, "
                            "Jordan, Judea, Lebanon, Mount Sinai, Nazareth, Nineveh, Ophir, Patmos, "
                            "Rome, Samaria, Sodom, Sinai, Tarsus, Tyre, Zion")],
    "Biblical Event": [hand("Ascension, Baptism of Jesus, burning bush, creation, crucifixion, "
                            "David and Goliath, exodus, fall of Jericho, flood, great flood, "
                            "Garden of Eden, healing, Judgment Day, Last Supper, Lazarus, "
                            "manna from heaven, Noah's ark, Nativity, Passover, plagues, "
                            "parting of the Red Sea, resurrection, Sermon on the Mount, "
                            "Tower of Babel, Ten Commandments, walking on water, wedding at Cana")],
    "Biblical Male": [hand("Abraham, Adam, Aaron, Benjamin, Boaz, Cain, Caleb, Daniel, David, Elijah, "
                           "Esau, Enoch, Gabriel, Goliath, Gideon, Herod, Isaac, Isaiah, Jacob, Joseph, "
                           "Jesus, John, Judas, Joshua, Jonah, Luke, Lazarus, Moses, Matthew, Mark, "
                           "Noah, Nathan, Obadiah, Paul, Peter, Pilate, Reuben, Samson, Saul, "
                           "Solomon, Seth, Thomas, Timothy, Zacchaeus")],
    "Biblical Female": [hand("Abigail, Anna, Bathsheba, Deborah, Delilah, Dinah, Elizabeth, Esther, "
                             "Eve, Hagar, Hannah, Jezebel, Joanna, Leah, Lydia, Martha, Mary, "
                             "Mary Magdalene, Miriam, Naomi, Orpah, Phoebe, Priscilla, Rachel, "
                             "Rebecca, Ruth, Rahab, Sarah, Salome, Tabitha, Tamar")],
    "Something You Plug In": "PLUG_IN",
    "Electronic Gadget": [hand("alarm clock, blender, bluetooth speaker, calculator, camera, cell phone, "
                               "drone, DVD player, e-reader, fitbit, GPS, game console, headphones, "
                               "iPad, iPod, joystick, kindle, laptop, microwave, MP3 player, "
                               "night vision goggles, pager, phone, radio, remote, smartphone, "
                               "smartwatch, tablet, television, walkie-talkie")],
    "Item That Uses a Remote Control": [hand("air conditioner, blinds, car, cable box, ceiling fan, "
                                             "drone, DVD player, fireplace, fan, garage door, "
                                             "helicopter, home theater, light, model airplane, "
                                             "projector, radio, robot, stereo, speaker, "
                                             "television, toy car, TV, VCR")],
    "Software Title": [hand("Acrobat, AutoCAD, Chrome, Excel, Firefox, GIMP, Illustrator, iTunes, "
                            "Java, Kindle, LibreOffice, Linux, Minecraft, Microsoft Word, "
                            "Notepad, Outlook, Photoshop, PowerPoint, QuickBooks, Quicken, Safari, "
                            "Skype, Thunderbird, TurboTax, Windows, Word, WordPerfect")],
    "A Website That You Frequent": [hand("Amazon, Bing, CNN, Craigslist, eBay, ESPN, Etsy, Facebook, "
                                         "Google, Hulu, IMDb, Instagram, Kayak, LinkedIn, Netflix, "
                                         "Outlook, Pinterest, Reddit, Spotify, Twitter, Target, "
                                         "Walmart, Wikipedia, Weather.com, Yahoo, YouTube")],
    "A Term Used in Games": [hand("ace, bonus, bluff, checkmate, cheat, dice, deal, extra life, foul, "
                                  "game over, goal, hit, inning, jackpot, joker, king me, level, "
                                  "move, match point, next round, offside, out, pass, player, "
                                  "round, score, strike, turn, trump, win")],
    "Something in a Grocery Store": [hand("apples, bread, bananas, butter, cereal, cheese, cart, "
                                          "cashier, deli, eggs, flour, fish, grapes, ham, ice cream, "
                                          "juice, jam, ketchup, lettuce, milk, meat, noodles, oranges, "
                                          "pasta, produce, rice, soda, sugar, tea, tomatoes, "
                                          "vegetables, water, yogurt")],
    "Medicine/Drugs in a Pharmacy": [hand("acetaminophen, aspirin, antibiotic, allergy pills, "
                                          "benadryl, codeine, cough syrup, decongestant, eye drops, "
                                          "fiber, gel, heartburn pills, ibuprofen, insulin, "
                                          "laxative, lozenge, morphine, motrin, nasal spray, "
                                          "ointment, penicillin, painkillers, prescription, "
                                          "sleeping pills, tylenol, vitamins, valium"),
                                     "wn:medicine.n.02"],
    "Reasons to Quit Your Job": [hand("abuse, bad boss, boredom, commute, coworkers, discrimination, "
                                      "demotion, exhaustion, family, getting married, harassment, "
                                      "hours, illness, injury, jerk boss, kids, low pay, long hours, "
                                      "moving, new job, no raise, overtime, pregnancy, "
                                      "retirement, relocation, stress, school, travel, unfair boss, "
                                      "weekend work")],
    "Something You Do At Work": [hand("answer phones, attend meetings, build, call, check email, "
                                      "cook, drive, eat lunch, file, fax, gossip, greet, help, "
                                      "interview, joke, lunch, learn, meet, negotiate, organize, "
                                      "photocopy, print, read, sell, sleep, type, train, work, "
                                      "write")],
    "Something That gets You Fired": [hand("absence, arguing, being late, bad attitude, cheating, "
                                           "drinking, drugs, embezzlement, fighting, gossip, "
                                           "harassment, incompetence, insubordination, "
                                           "laziness, lying, missing work, no show, oversleeping, "
                                           "poor performance, rudeness, stealing, sleeping, "
                                           "tardiness, theft, violence")],
    "Diet Food": [hand("apple, broccoli, carrot sticks, celery, cottage cheese, diet soda, egg whites, "
                       "fat-free yogurt, fish, grapefruit, green salad, grilled chicken, "
                       "hummus, iceberg lettuce, jello, kale, lettuce, lean meat, melon, "
                       "nuts, oatmeal, protein bar, rice cake, salad, soup, spinach, tofu, "
                       "turkey, vegetables, water, yogurt")],
    "Spicy Foods": [hand("buffalo wings, burrito, cayenne, chili, chorizo, curry, enchilada, "
                         "fajitas, ginger, gumbo, hot wings, habanero, horseradish, hot sauce, "
                         "jalapeno, jambalaya, kimchi, masala, mustard, nachos, pepperoni, "
                         "pad thai, salsa, sriracha, tabasco, taco, tamales, vindaloo, wasabi")],
    "Ethnic food": [hand("adobo, bratwurst, burrito, couscous, curry, chow mein, dim sum, "
                         "enchilada, empanada, falafel, fajita, gyro, goulash, hummus, "
                         "injera, jambalaya, kimchi, kebab, lasagna, moussaka, naan, noodles, "
                         "paella, pierogi, pad thai, ramen, risotto, sushi, samosa, "
                         "taco, tamale, tandoori, tikka masala, wonton")],
    "Pizza topping": [hand("anchovies, artichoke, bacon, basil, beef, chicken, cheese, "
                           "extra cheese, eggplant, feta, garlic, green peppers, ham, "
                           "italian sausage, jalapenos, kalamata olives, mushrooms, mozzarella, "
                           "meatballs, onions, olives, oregano, pepperoni, pineapple, "
                           "peppers, ricotta, sausage, spinach, tomatoes, tuna")],
    "Item in a vending machine": [hand("apple, bag of chips, bottled water, candy bar, chips, chocolate, "
                                       "cookies, crackers, doritos, energy drink, fritos, granola bar, "
                                       "gum, hershey bar, iced tea, juice, kit kat, lemonade, "
                                       "m&m's, mints, nuts, orange juice, peanuts, pretzels, "
                                       "soda, skittles, snickers, twix, water")],
    "Something Fattening": [hand("bacon, burger, butter, brownie, cake, candy, cheesecake, chips, "
                                 "chocolate, donut, eggnog, French fries, fudge, gravy, hamburger, "
                                 "hot dog, ice cream, junk food, lard, milkshake, mayonnaise, "
                                 "nachos, onion rings, pizza, pie, pastry, soda, sausage, "
                                 "twinkies, whipped cream")],
    "Spices/herbs": [hand("allspice, anise, basil, bay leaf, cinnamon, cumin, clove, chives, dill, "
                          "fennel, garlic, ginger, horseradish, juniper, lavender, mint, mustard, "
                          "nutmeg, oregano, paprika, parsley, pepper, rosemary, saffron, sage, "
                          "thyme, turmeric, tarragon, wasabi"), "wn:herb.n.02 spice.n.02"],
    "Baby food": [hand("apple sauce, applesauce, banana, baby cereal, carrots, cheerios, custard, "
                       "formula, fruit puree, gerber, green beans, jello, juice, "
                       "mashed potatoes, milk, mush, oatmeal, peas, pudding, puree, rice cereal, "
                       "squash, sweet potato, teething biscuit, yogurt")],
    "Kind of sandwich": [hand("BLT, bacon, club, cheese, chicken, cuban, egg salad, French dip, "
                              "grilled cheese, gyro, ham, hoagie, hero, Italian, jelly, "
                              "meatball, melt, Monte Cristo, open-faced, pastrami, panini, "
                              "peanut butter, reuben, roast beef, sloppy joe, sub, submarine, "
                              "tuna, turkey, wrap"), "wn:sandwich.n.01"],
    "Desserts": "DESSERTS",
    "Item in a refrigerator": [hand("apples, butter, beer, bacon, cheese, carrots, cream, eggs, "
                                    "fruit, grapes, ham, hot sauce, ice, jam, juice, jelly, ketchup, "
                                    "lettuce, leftovers, milk, mustard, meat, mayonnaise, "
                                    "orange juice, olives, pickles, relish, salad, soda, "
                                    "tomatoes, vegetables, water, wine, yogurt")],
    "Word Ending In \"N\"": ["shape:n"],
    "Word Ending in \"GHT\"": [hand("bright, bought, brought, caught, delight, eight, fight, flight, "
                                    "fought, fright, height, insight, knight, light, might, night, "
                                    "naught, oversight, plight, right, sight, slight, "
                                    "taught, thought, tight, weight, wright, wrought"), "shape:ght"],
    "Word with At Least 3 Vowels": ["shape:three_vowels"],
    "Foreign Words Used In English": [hand("adios, amigo, alfresco, bon voyage, bonjour, cafe, ciao, "
                                           "deja vu, encore, entree, fiesta, faux pas, gesundheit, "
                                           "genre, hors d'oeuvre, incognito, junta, kindergarten, "
                                           "karaoke, kaput, lingerie, macho, naive, nada, origami, "
                                           "patio, plaza, rendezvous, safari, siesta, tsunami, "
                                           "typhoon, wanderlust, zeitgeist")],
    "Name a Language": [hand("Arabic, Bengali, Chinese, Croatian, Danish, Dutch, English, Finnish, "
                             "French, German, Greek, Hebrew, Hindi, Italian, Irish, Japanese, "
                             "Korean, Latin, Mandarin, Norwegian, Polish, Portuguese, Russian, "
                             "Spanish, Swahili, Turkish, Thai, Urdu, Welsh"), "data:languages"],
    "A Place in Europe": [hand("Amsterdam, Austria, Athens, Berlin, Belgium, Barcelona, Croatia, "
                               "Copenhagen, Denmark, Dublin, England, Estonia, France, Florence, "
                               "Germany, Greece, Geneva, Hungary, Helsinki, Iceland, Italy, Ireland, "
                               "Kiev, Lisbon, London, Madrid, Milan, Munich, Netherlands, Norway, "
                               "Oslo, Paris, Prague, Portugal, Rome, Spain, Sweden, Turin, Vienna, "
                               "Venice, Warsaw, Wales")],
    "A Place in South America": [hand("Argentina, Amazon, Andes, Bolivia, Brazil, Buenos Aires, Bogota, "
                                      "Chile, Colombia, Caracas, Cusco, Ecuador, Falkland Islands, "
                                      "Guyana, Galapagos, Iguazu Falls, Lima, La Paz, Montevideo, "
                                      "Machu Picchu, Medellin, Orinoco, Paraguay, Patagonia, Peru, "
                                      "Quito, Rio de Janeiro, Santiago, Sao Paulo, Suriname, "
                                      "Tierra del Fuego, Uruguay, Venezuela")],
    "A Place in Asia": [hand("Afghanistan, Bangkok, Bangladesh, Beijing, Cambodia, China, Delhi, "
                             "Dubai, Everest, Gobi, Hong Kong, Himalayas, India, Indonesia, Iran, "
                             "Japan, Jakarta, Korea, Kabul, Kyoto, Laos, Mongolia, Mumbai, Manila, "
                             "Nepal, Osaka, Pakistan, Philippines, Russia, Seoul, Singapore, "
                             "Tokyo, Thailand, Taiwan, Tibet, Vietnam")],
    "Something Australian": [hand("Adelaide, Aborigine, Ayers Rock, boomerang, Brisbane, "
                                  "crocodile, Canberra, dingo, didgeridoo, emu, echidna, "
                                  "g'day, Great Barrier Reef, Hugh Jackman, kangaroo, koala, "
                                  "kookaburra, mate, Melbourne, Nicole Kidman, outback, Perth, "
                                  "platypus, surfing, Sydney, Tasmania, vegemite, wallaby, wombat")],
    "Something associated with Texas": [hand("Alamo, Austin, armadillo, barbecue, boots, bull, "
                                             "cactus, cattle, cowboy, cowboy hat, Dallas, desert, "
                                             "El Paso, football, Fort Worth, guns, Houston, horse, "
                                             "longhorn, lone star, NASA, oil, ranch, rodeo, "
                                             "San Antonio, steak, tumbleweed, Tex-Mex, Waco")],
    "World Capital City": [hand("Amsterdam, Athens, Berlin, Bangkok, Buenos Aires, Cairo, Copenhagen, Canberra, "
                                "Dublin, Delhi, Edinburgh, Helsinki, Havana, Islamabad, Jakarta, Jerusalem, "
                                "Kabul, Kiev, London, Lisbon, Madrid, Moscow, Mexico City, Nairobi, "
                                "New Delhi, Oslo, Ottawa, Paris, Prague, Rome, Santiago, Seoul, "
                                "Stockholm, Tokyo, Tehran, Vienna, Warsaw, Washington, Wellington"),
                           "data:world_capitals"],
    "Places to Hang Out": [hand("arcade, bar, beach, bowling alley, cafe, club, coffee shop, diner, "
                                "friend's house, garage, gym, home, ice rink, internet cafe, "
                                "karaoke bar, library, lake, mall, movies, nightclub, "
                                "park, pool, pub, restaurant, skate park, theater, "
                                "video arcade")],
    "Honeymoon Spots": "VACATION",
    "An Item You Take on a Trip": [hand("antacid, bag, backpack, bathing suit, book, camera, clothes, "
                                        "charger, deodorant, film, flashlight, glasses, guidebook, "
                                        "hat, headphones, itinerary, jacket, jeans, keys, luggage, "
                                        "map, medicine, money, passport, pillow, raincoat, "
                                        "shoes, sunscreen, suitcase, toothbrush, tickets, "
                                        "umbrella, wallet")],
    "Things in a souvenir shop": [hand("ashtray, bottle opener, bookmark, cap, calendar, coffee mug, "
                                       "cup, doll, figurine, flag, fridge magnet, glass, hat, "
                                       "jewelry, keychain, key ring, lighter, magnet, map, mug, "
                                       "necklace, ornament, postcard, poster, shot glass, snow globe, "
                                       "spoon, sticker, t-shirt, towel")],
    "Children's Book": "KIDS_BOOKS",
    "Song Title": "SONGS",
    "Christmas Songs": "XMAS_SONGS",
    "Something to Do At a Party": [hand("bob for apples, chat, dance, drink, eat, flirt, gossip, "
                                        "games, hug, hang out, joke, karaoke, kiss, laugh, "
                                        "limbo, meet people, mingle, open presents, play games, "
                                        "play music, sing, socialize, talk, toast, watch movies")],
    "Weekend Activities": "ACTIVITIES",
    "Holiday Activities": [hand("baking, baking cookies, caroling, cooking, decorating, "
                                "eating, egg hunt, fireworks, gift wrapping, going to church, "
                                "hanging lights, ice skating, jingling bells, kissing under the mistletoe, "
                                "lighting candles, making cookies, opening presents, parade, "
                                "party, shopping, singing, sledding, travel, trimming the tree, "
                                "visiting family, wrapping gifts")],
    "Something to Do on a Date": [hand("arcade, bowling, concert, cooking, dancing, dinner, drinks, "
                                       "eat, fishing, go for a walk, golf, hiking, hold hands, "
                                       "ice skating, jog, kiss, karaoke, laugh, movies, mini golf, "
                                       "museum, opera, picnic, play, restaurant, shopping, "
                                       "skating, talk, theater, walk, watch a movie")],
    "Ways to Kill Time": "ACTIVITIES",
    "Hobbies": "HOBBIES",
    "Leisure activity": "HOBBIES",
    "Historic Event": "HISTORY",
    "Something You See At the Zoo": "ZOO",
    "Animals in Books or Movies": "FICTIONAL_ANIMALS",
    "Animal Noises": "NOISES",
    "Animal noises": "NOISES",
    "Kind of bird": "BIRDS",
    "Kind of fish": [hand("angelfish, anchovy, bass, barracuda, carp, catfish, cod, clownfish, dory, "
                          "eel, flounder, goldfish, guppy, grouper, haddock, halibut, herring, "
                          "jellyfish, koi, lionfish, mackerel, marlin, minnow, nemo, perch, piranha, "
                          "pike, salmon, sardine, shark, sole, swordfish, snapper, trout, tuna, "
                          "tilapia, walleye, whitefish"), "wn:food_fish.n.01 fish.n.01"],
    "Type of Tree": [hand("ash, apple, aspen, birch, beech, cedar, cherry, chestnut, cypress, "
                          "dogwood, elm, eucalyptus, fir, ginkgo, hickory, hemlock, holly, juniper, "
                          "joshua tree, larch, lemon, maple, magnolia, mahogany, oak, olive, "
                          "palm, pine, poplar, redwood, sequoia, spruce, sycamore, teak, walnut, "
                          "willow"), "wn:tree.n.01"],
    "Type of Plant": [hand("aloe, bamboo, basil, cactus, clover, daisy, dandelion, fern, fig, "
                           "geranium, grass, hosta, herb, ivy, jade plant, juniper, kale, lily, "
                           "moss, mint, nettle, orchid, oak, pine, poison ivy, rose, sage, "
                           "shrub, sunflower, tulip, thistle, vine, weed, wheat"), "wn:plant.n.02"],
    "Something You Shouldn't Touch": ["hand:x"],
    "Something That Grows": [hand("algae, baby, beard, bacteria, corn, child, crystal, debt, "
                                  "economy, fingernail, flower, fungus, grass, hair, ivy, "
                                  "jungle, kid, lettuce, mold, mushroom, nails, onion, "
                                  "plant, puppy, population, rose, seed, tree, tomato, "
                                  "vine, weed, wheat")],
    "Something You Make": [hand("art, bed, breakfast, bread, cake, coffee, cookies, dinner, decision, "
                                "dress, friends, food, gift, girlfriend, hat, ice, jam, jewelry, "
                                "joke, kite, list, lunch, money, mistake, noise, omelet, plan, pie, "
                                "promise, sandwich, soup, tea, toast, wish, wine")],
    "Something You Buy For Kids": [hand("action figure, ball, bike, book, candy, clothes, crayons, "
                                        "diapers, doll, dress, games, gum, helmet, ice cream, "
                                        "juice, jacket, kite, lego, lunchbox, markers, "
                                        "notebook, nintendo, pajamas, puzzle, shoes, stroller, "
                                        "toy, teddy bear, video game, wagon")],
    "Something That Can Kill You": [hand("arsenic, avalanche, bear, bomb, cancer, car crash, "
                                         "drowning, drugs, disease, earthquake, electricity, fire, "
                                         "flood, gun, heart attack, hurricane, infection, jellyfish, "
                                         "knife, lightning, lion, murder, nuclear war, overdose, "
                                         "poison, radiation, shark, snake, smoking, tornado, "
                                         "tsunami, virus, war")],
    "Something That Has Buttons": [hand("blouse, calculator, cardigan, coat, controller, cell phone, "
                                        "doorbell, dress, elevator, game controller, jacket, jeans, "
                                        "keyboard, keypad, microwave, mouse, oven, phone, pants, "
                                        "radio, remote, remote control, shirt, sweater, telephone, "
                                        "vest, washing machine")],
    "Something That Makes You Smile": [hand("a baby, a joke, baby, birthday, bunny, clown, comedy, "
                                            "candy, dog, dessert, friends, family, flowers, gift, "
                                            "hug, ice cream, jokes, kiss, kitten, laughter, love, "
                                            "music, money, necklace, puppy, present, rainbow, "
                                            "sunshine, surprise, vacation, weekend")],
    "Something You Store Items In": [hand("attic, bag, basket, bin, box, backpack, cabinet, chest, closet, "
                                          "cupboard, crate, drawer, dresser, envelope, folder, garage, "
                                          "hamper, jar, jewelry box, kit, locker, "
                                          "nightstand, pantry, purse, pocket, safe, shed, shelf, "
                                          "suitcase, tote, trunk, vault, wallet, warehouse")],
    "Something You Do Every Day": [hand("bathe, blink, breathe, brush teeth, comb hair, cook, "
                                        "drink, drive, dress, eat, exercise, floss, get dressed, "
                                        "go to work, hug, jog, kiss, laugh, listen, make the bed, "
                                        "nap, pray, read, run, sleep, shower, smile, talk, "
                                        "think, text, walk, wake up, wash, work")],
    "Something You Get In the Mail": [hand("advertisement, bill, bank statement, card, catalog, "
                                           "check, coupon, credit card offer, christmas card, "
                                           "ad, envelope, flyer, gift, greeting card, invitation, "
                                           "jury summons, junk mail, letter, magazine, newspaper, "
                                           "notice, package, parcel, postcard, refund, "
                                           "statement, tax form, ticket, wedding invitation")],
    "Something You Save Up To Buy": [hand("airplane ticket, bike, boat, car, computer, dress, "
                                          "diamond ring, engagement ring, furniture, guitar, "
                                          "house, home, iPhone, jewelry, jet ski, kayak, laptop, "
                                          "motorcycle, new car, necklace, piano, phone, ring, "
                                          "stereo, sofa, television, truck, trip, vacation, watch")],
    "Something You Sit In/On": [hand("armchair, bench, bed, bike, bus, car, chair, couch, "
                                     "desk chair, deck chair, easy chair, futon, grass, "
                                     "hammock, high chair, ice, jacuzzi, kayak, lap, "
                                     "lawn chair, motorcycle, ottoman, pew, rocking chair, "
                                     "recliner, saddle, sofa, stool, swing, throne, toilet, "
                                     "wheelchair"), "wn:seat.n.03"],
    "Something That Has Wheels": [hand("airplane, ambulance, bike, bicycle, bus, car, cart, chair, "
                                       "dolly, dumpster, fire truck, go-kart, golf cart, "
                                       "hand truck, jeep, kart, lawn mower, luggage, motorcycle, "
                                       "office chair, pram, roller skates, scooter, skateboard, "
                                       "stroller, suitcase, tractor, train, truck, taxi, "
                                       "unicycle, van, wagon, wheelchair, wheelbarrow"),
                                  "wn:wheeled_vehicle.n.01"],
    "Something You See on a Farm": [hand("barn, bull, cow, chicken, corn, crops, dog, donkey, duck, "
                                         "eggs, fence, farmer, goat, goose, hay, horse, hen, "
                                         "irrigation, kitten, lamb, milk, mud, orchard, pig, plow, "
                                         "rooster, sheep, silo, scarecrow, tractor, turkey, "
                                         "wheat, windmill")],
    "Something you're afraid of": [hand("alligator, bees, bats, clowns, cancer, darkness, death, "
                                        "dentist, dogs, earthquake, falling, fire, ghosts, heights, "
                                        "insects, injections, jellyfish, knives, lightning, "
                                        "monsters, mice, needles, nightmares, public speaking, "
                                        "rats, spiders, snakes, sharks, thunder, tornado, wasps")],
    "Something round": [hand("apple, ball, bagel, balloon, button, clock, coin, cookie, circle, "
                             "donut, dime, earth, egg, frisbee, globe, grape, hula hoop, "
                             "ice cube tray, jar lid, kiwi, lid, moon, marble, nickel, orange, "
                             "pizza, plate, pea, penny, quarter, ring, steering wheel, sun, "
                             "tire, wheel, wreath")],
    "Something square": [hand("block, box, board, brownie, checkerboard, cracker, cheese slice, "
                              "dice, envelope, floor tile, frame, graham cracker, handkerchief, "
                              "ice cube, index card, napkin, notepad, ottoman, pillow, picture, "
                              "quilt, rubik's cube, sandwich, sticky note, table, tile, town square, "
                              "waffle, window")],
    "Something Weather Related": [hand("avalanche, blizzard, breeze, cloud, cyclone, drizzle, drought, "
                                       "fog, frost, flood, gale, hail, heat wave, hurricane, ice, "
                                       "lightning, monsoon, mist, overcast, rain, rainbow, sleet, "
                                       "snow, storm, sunshine, thunder, tornado, typhoon, "
                                       "umbrella, wind, weather forecast")],
    "Something you Freeze": [hand("berries, bread, butter, chicken, cookies, cake, dinner, "
                                  "embryos, fish, fruit, grapes, hamburger, ice cream, ice, juice, "
                                  "leftovers, meat, milk, nuts, orange juice, peas, pizza, popsicles, "
                                  "soup, steak, turkey, vegetables, water, waffles")],
    "thing Associated with Winter": [hand("boots, blizzard, cold, Christmas, coat, chimney, December, "
                                          "earmuffs, fireplace, frost, flu, gloves, hot chocolate, "
                                          "hat, ice, icicle, igloo, January, jacket, "
                                          "mittens, New Year, north pole, overcoat, penguin, "
                                          "scarf, sled, snow, snowman, skiing, sweater, "
                                          "ice skating, winter coat")],
    "thing Associated with Summer": [hand("air conditioning, August, beach, barbecue, bikini, "
                                          "camping, camp, fan, fireworks, flip-flops, grill, heat, "
                                          "hot, ice cream, July, June, lemonade, lake, "
                                          "mosquitoes, no school, ocean, picnic, pool, popsicle, "
                                          "sun, sunscreen, swimming, tan, vacation, watermelon")],
    "thing Associated with Autumn": [hand("acorns, apples, apple cider, back to school, corn, "
                                          "cranberries, cool weather, football, falling leaves, "
                                          "gourds, Halloween, harvest, hayride, jacket, "
                                          "leaves, maple, November, October, orange, pumpkin, "
                                          "pie, rake, September, scarecrow, squash, "
                                          "sweater, Thanksgiving, turkey, wind")],
    "thing Associated with Springtime": [hand("April, allergies, birds, blossoms, baseball, "
                                              "bunny, buds, cleaning, daffodils, Easter, eggs, "
                                              "flowers, garden, grass, green, hay fever, "
                                              "insects, lambs, March, May, mud, new growth, "
                                              "pollen, rain, robin, sunshine, seeds, tulips, umbrella, "
                                              "warmth")],
    "A Reason to Take Out a Loan": [hand("apartment, boat, business, car, college, debt, divorce, "
                                         "education, emergency, furniture, graduate school, "
                                         "house, home repairs, investment, jewelry, kitchen, "
                                         "land, medical bills, mortgage, new car, office, "
                                         "pool, renovation, school, start a business, "
                                         "tuition, truck, vacation, wedding")],
    "A Reason to Call 911": [hand("accident, assault, burglary, break-in, car crash, chest pain, "
                                  "choking, drowning, explosion, emergency, fire, fight, gunshot, "
                                  "heart attack, house fire, injury, intruder, kidnapping, "
                                  "labor, murder, noise, overdose, poisoning, robbery, stroke, "
                                  "shooting, theft, unconscious, violence")],
    "A Reason to Make a Phone Call": [hand("appointment, apology, birthday, business, catch up, "
                                           "chat, check in, delivery, directions, dinner plans, "
                                           "emergency, friend, gossip, hello, help, invitation, "
                                           "job interview, late, love, mom, news, order pizza, "
                                           "ride, reservation, sales, talk, thank you, weather")],
    "Term of measurement": [hand("acre, bushel, centimeter, cup, degree, dozen, foot, fathom, "
                                 "gallon, gram, hectare, hour, inch, joule, kilogram, kilometer, "
                                 "liter, mile, meter, minute, newton, ounce, pint, pound, quart, "
                                 "ruler, second, tablespoon, teaspoon, ton, volt, watt, yard"),
                            "wn:unit_of_measurement.n.01"],
    "Word associated with money": [hand("account, ATM, bank, bill, buck, budget, cash, change, "
                                        "check, coin, cent, credit, debit, debt, dime, dollar, euro, "
                                        "finance, funds, gold, greenback, income, interest, "
                                        "jackpot, loan, loot, mint, nickel, penny, profit, quarter, "
                                        "rich, salary, savings, tax, treasury, wallet, wealth")],
    "College or University": [hand("Auburn, Berkeley, Brown, Boston College, Columbia, Cornell, "
                                   "Duke, Dartmouth, Emory, Fordham, Georgetown, Harvard, Howard, "
                                   "Indiana, Johns Hopkins, Kansas State, Louisiana State, MIT, "
                                   "Michigan State, Notre Dame, NYU, Oxford, Ohio State, "
                                   "Princeton, Purdue, Rutgers, Stanford, Syracuse, Tufts, "
                                   "UCLA, Vanderbilt, Villanova, Yale, Wellesley"),
                              "wnp:university.n.02 college.n.01"],
    "College Major": [hand("accounting, anthropology, architecture, art, biology, business, "
                           "chemistry, communications, computer science, drama, economics, "
                           "education, engineering, English, finance, French, geology, "
                           "geography, history, hospitality, international relations, "
                           "journalism, kinesiology, law, literature, mathematics, marketing, "
                           "music, nursing, oceanography, philosophy, physics, psychology, "
                           "religion, sociology, statistics, theater, theology, "
                           "women's studies, zoology"), "wn:discipline.n.01"],
    "Award or Ceremony": [hand("Academy Award, Blue Ribbon, Bronze Star, coronation, Emmy, "
                               "Grammy, Golden Globe, graduation, Heisman, inauguration, "
                               "Juno, knighthood, medal of honor, Nobel Prize, Oscar, "
                               "Olympic medal, Purple Heart, Pulitzer, ribbon, Stanley Cup, "
                               "Tony, trophy, Victoria Cross, wedding, World Cup")],
    "World record": [hand("backflips, bench press, bungee jump, deadlift, distance, eating hot dogs, "
                          "fastest mile, farthest throw, freediving, height, high jump, "
                          "hot dogs eaten, heaviest man, javelin, jump, longest hair, "
                          "longest nails, long jump, marathon, oldest person, pole vault, "
                          "pie eating, speed, shot put, sprint, tallest man, weightlifting")],
    "Kind of Car / Vehicle": [hand("ambulance, bus, bicycle, Buick, Cadillac, convertible, coupe, "
                                   "Chevrolet, dump truck, Dodge, fire truck, Ferrari, Ford, golf cart, "
                                   "hatchback, Honda, hearse, Jeep, jaguar, limousine, Lexus, "
                                   "minivan, motorcycle, Mercedes, Nissan, Porsche, pickup truck, "
                                   "roadster, sedan, SUV, station wagon, taxi, tractor, truck, Toyota, "
                                   "van, Volkswagen, wagon"), "wn:car.n.01 motor_vehicle.n.01"],
    "Kind of Dance": [hand("ballet, ballroom, breakdance, belly dance, cha-cha, conga, can-can, "
                           "disco, foxtrot, flamenco, hokey pokey, hula, hip hop, Irish jig, "
                           "jitterbug, jive, jazz, limbo, line dance, mambo, macarena, "
                           "polka, rumba, salsa, samba, square dance, swing, tango, tap, twist, "
                           "waltz"), "wn:dancing.n.01"],
    "Cosmetics/toiletries": [hand("aftershave, blush, body wash, bronzer, cologne, conditioner, "
                                  "concealer, deodorant, eyeliner, eye shadow, foundation, face cream, "
                                  "gel, hairspray, hand cream, lipstick, lip gloss, lotion, "
                                  "mascara, moisturizer, nail polish, perfume, powder, rouge, "
                                  "shampoo, soap, sunscreen, toothpaste, tweezers"),
                             "wn:toiletry.n.01"],
    "Things you're allergic to": [hand("animals, bees, cats, cashews, dust, dogs, eggs, fish, feathers, "
                                       "grass, gluten, hay, horses, insect bites, iodine, "
                                       "latex, milk, mold, nuts, nickel, peanuts, penicillin, pollen, "
                                       "ragweed, shellfish, soy, strawberries, shrimp, wheat, wool")],
    "Things that are sticky": [hand("adhesive tape, band-aid, bubble gum, candy, caramel, duct tape, "
                                    "flypaper, glue, gum, honey, jam, jelly, lollipop, "
                                    "maple syrup, marshmallow, molasses, nectar, paste, peanut butter, "
                                    "resin, sap, stamp, sticker, syrup, tape, tar, taffy, velcro, "
                                    "wax")],
    "Personality trait": [hand("ambitious, arrogant, brave, bold, calm, caring, cheerful, curious, "
                               "determined, eager, friendly, funny, generous, gentle, honest, "
                               "humble, intelligent, impatient, jolly, jealous, kind, loyal, lazy, "
                               "mean, moody, nice, optimistic, outgoing, patient, polite, rude, "
                               "shy, smart, stubborn, trustworthy, timid, wise, witty")],
    "Bad habit": [hand("arguing, biting nails, burping, chewing gum, cursing, cracking knuckles, "
                       "drinking, eating junk food, gambling, gossiping, hair twirling, "
                       "interrupting, jaywalking, knuckle cracking, lying, littering, "
                       "nail biting, nose picking, overeating, procrastinating, smoking, snoring, "
                       "spitting, swearing, stealing, tardiness, thumb sucking, whining")],
    "Word associated with exercise": [hand("aerobics, abs, biking, burpee, cardio, crunches, "
                                           "dumbbell, endurance, fitness, gym, health, "
                                           "jogging, jumping jacks, jump rope, kickboxing, "
                                           "lunges, muscles, marathon, Nike, nutrition, pilates, "
                                           "push-ups, running, sit-ups, squats, sweat, stretching, "
                                           "treadmill, weights, workout, yoga")],
    "A Great Gift to Give/Receive": [hand("book, bicycle, candy, car, chocolate, clothes, diamond, "
                                          "earrings, flowers, gift card, game, headphones, "
                                          "iPad, jewelry, kitten, laptop, love, money, necklace, "
                                          "perfume, puppy, ring, scarf, sweater, tickets, "
                                          "trip, vacation, watch")],
    "Magazine": [hand("Allure, Better Homes and Gardens, Cosmopolitan, Cosmo, Elle, Esquire, "
                      "Forbes, Fortune, Glamour, GQ, Harper's Bazaar, InStyle, Jet, "
                      "Kiplinger's, Life, Mad, Maxim, National Geographic, Newsweek, "
                      "Outdoor Life, People, Playboy, Reader's Digest, Rolling Stone, "
                      "Seventeen, Sports Illustrated, Time, TV Guide, Vogue, Vanity Fair, Wired")],
    "Item in a catalogue": [hand("appliances, bags, books, bedding, clothes, coats, curtains, "
                                 "dresses, electronics, furniture, gifts, gadgets, hats, "
                                 "home decor, jewelry, jackets, kitchenware, lamps, makeup, "
                                 "necklace, office supplies, pants, perfume, rugs, shoes, "
                                 "sweaters, toys, tools, watches")],
    "Household chore": [hand("cleaning, cooking, dishes, dusting, doing laundry, folding clothes, "
                             "gardening, grocery shopping, hanging laundry, ironing, "
                             "laundry, lawn mowing, making the bed, mopping, mowing, "
                             "organizing, polishing, raking leaves, shopping, sweeping, "
                             "scrubbing, taking out the trash, tidying, vacuuming, "
                             "washing dishes, weeding, walking the dog")],
    "Halloween costume": [hand("angel, astronaut, Batman, bee, cat, clown, cowboy, devil, "
                               "dinosaur, Dracula, elf, fairy, Frankenstein, ghost, gorilla, "
                               "hobo, hippie, Indiana Jones, jester, king, knight, mummy, "
                               "monster, nurse, ninja, pirate, princess, pumpkin, robot, "
                               "Superman, skeleton, vampire, witch, werewolf, zombie")],
    "Weapon": [hand("arrow, axe, bow, bomb, bat, club, cannon, crossbow, dagger, dynamite, "
                    "flamethrower, grenade, gun, harpoon, hammer, handgun, javelin, knife, "
                    "lance, machine gun, machete, mace, nunchucks, pistol, revolver, rifle, "
                    "slingshot, spear, sword, shotgun, taser, tank, whip"), "wn:weapon.n.01"],
    "Article of clothing": "CLOTHES",
    "Color": [COLOURS, "wn:chromatic_color.n.01"],
    "Occupations": [hand("accountant, actor, architect, baker, banker, barber, carpenter, chef, "
                         "clerk, dentist, doctor, driver, electrician, engineer, farmer, firefighter, "
                         "gardener, guard, hairdresser, judge, janitor, journalist, "
                         "lawyer, librarian, mechanic, musician, nurse, optician, painter, "
                         "pilot, plumber, police officer, realtor, scientist, singer, "
                         "teacher, tailor, waiter, writer"), "wn:professional.n.01 skilled_worker.n.01"],
    "Fairytale Characters": [hand("Aladdin, Ariel, Alice, Beauty, Beast, Cinderella, Big Bad Wolf, "
                                  "Dorothy, Dopey, evil queen, fairy godmother, Goldilocks, "
                                  "Gretel, Hansel, Humpty Dumpty, Jack, Jiminy Cricket, king, "
                                  "Little Red Riding Hood, mermaid, Mother Goose, ogre, "
                                  "Peter Pan, Pinocchio, Prince Charming, Rapunzel, Rumpelstiltskin, "
                                  "Snow White, Sleeping Beauty, Tinker Bell, Tom Thumb, "
                                  "wicked witch")],
    "UFO Related or (Outer Limits)": [hand("alien, abduction, Area 51, beam, craft, crop circle, "
                                           "conspiracy, E.T., extraterrestrial, flying saucer, "
                                           "galaxy, green men, hologram, invasion, "
                                           "Jupiter, kidnap, laser, light, Mars, martian, mothership, "
                                           "nebula, outer space, planet, probe, Roswell, "
                                           "saucer, spaceship, sighting, telepathy, UFO, "
                                           "visitors, X-Files")],
    "Famous Women": "WOMEN",
    "Something related to an airport": [hand("airplane, arrival, baggage, boarding pass, control tower, "
                                             "customs, check-in, delay, departure, duty free, "
                                             "escalator, flight, flight attendant, gate, hangar, "
                                             "immigration, jet, jet lag, kiosk, luggage, layover, "
                                             "metal detector, newsstand, on time, pilot, passport, "
                                             "runway, security, suitcase, terminal, ticket, "
                                             "tarmac, taxi, wings")],
    "Thing related to a police station": [hand("arrest, badge, bail, booking, car, cell, cop, "
                                               "criminal, detective, desk, evidence, fingerprints, "
                                               "gun, handcuffs, holding cell, interrogation, "
                                               "jail, key, lineup, mugshot, nightstick, officer, "
                                               "prisoner, patrol car, radio, records, sergeant, "
                                               "suspect, uniform, warrant, witness")],
    "Item bought at a department store": [hand("appliance, bag, bedding, belt, blouse, clothes, "
                                               "coat, cologne, dress, earrings, furniture, gloves, "
                                               "handbag, hat, jewelry, jeans, kitchenware, lamp, "
                                               "lingerie, makeup, mattress, necktie, overcoat, "
                                               "perfume, purse, scarf, shoes, sheets, socks, "
                                               "towels, toys, underwear, watch")],
    "Sex Symbols": [hand("Angelina Jolie, Brad Pitt, Brigitte Bardot, Beyonce, Cher, Cindy Crawford, "
                         "David Beckham, Denzel Washington, Elvis, Farrah Fawcett, George Clooney, "
                         "Halle Berry, Hugh Jackman, Jennifer Lopez, James Dean, Kim Kardashian, "
                         "Marilyn Monroe, Madonna, Pamela Anderson, Raquel Welch, Ryan Gosling, "
                         "Sophia Loren, Scarlett Johansson, Tom Cruise, Tyra Banks")],
    "Singers": "SINGERS",
    "Celebrities you'd like to meet.": "CELEBRITIES",
    "Honeymoon spots.": "VACATION",
    "Fictitious places": [hand("Atlantis, Asgard, Bikini Bottom, Camelot, Candy Land, Duckburg, "
                               "El Dorado, Emerald City, Gotham City, Hogwarts, Hogsmeade, "
                               "Jurassic Park, Krypton, Lilliput, Middle-earth, Metropolis, Mordor, "
                               "Narnia, Neverland, Oz, Pandora, Rivendell, Shangri-La, "
                               "Springfield, Tatooine, Utopia, Wonderland, Westeros")],
    "Action words": ["shape:verb"],
    "Words said in anger": [hand("argh, blast, beat it, curses, darn, damn, drat, enough, "
                                 "forget it, get out, go away, hell, hate you, idiot, jerk, "
                                 "knock it off, leave, liar, moron, no, never, oh no, "
                                 "quit it, rats, shut up, stop, stupid, ugh, whatever")],
    "Low calorie foods": [hand("apple, asparagus, broccoli, berries, celery, carrots, cucumber, "
                               "cauliflower, egg whites, fish, grapefruit, green beans, "
                               "herbal tea, iceberg lettuce, jello, kale, lettuce, lemon, melon, "
                               "mushrooms, oranges, peppers, popcorn, radishes, spinach, salad, "
                               "tomatoes, turkey, watermelon, zucchini")],
    "Things made of metal": [hand("anchor, bell, bicycle, bolt, can, car, chain, coin, cutlery, "
                                  "door knob, fork, filing cabinet, gate, hammer, hinge, "
                                  "iron, jewelry, key, knife, ladder, lock, medal, nail, "
                                  "needle, pan, pipe, ring, spoon, screw, sword, trophy, "
                                  "wire, wrench")],
    "Animals that swim": [hand("alligator, beaver, crocodile, duck, dolphin, eel, fish, frog, "
                               "goose, hippo, jellyfish, killer whale, lobster, manatee, "
                               "moose, newt, octopus, otter, penguin, platypus, seal, shark, "
                               "swan, salmon, squid, turtle, tadpole, walrus, whale")],
    "Animal Noises": "NOISES",
    "Animal noises": "NOISES",
    "Things that are loud": [hand("alarm, ambulance, airplane, band, baby, bomb, concert, crowd, "
                                  "drum, explosion, engine, fire alarm, firework, gun, horn, "
                                  "helicopter, jackhammer, jet, kid, lawnmower, motorcycle, music, "
                                  "neighbor, orchestra, party, rock band, siren, stadium, "
                                  "thunder, train, trumpet, vacuum cleaner, whistle")],
    "Things that smell good": [hand("apple pie, baking bread, bacon, bread, candle, cinnamon, "
                                    "coffee, cookies, flowers, fresh air, garlic, grass, "
                                    "honeysuckle, incense, jasmine, lavender, lilac, lemon, "
                                    "mint, new car, orange, perfume, pizza, popcorn, rose, "
                                    "soap, shampoo, vanilla")],
    "Things you don't want to hear": [hand("alarm clock, bad news, breakup, cancer, crying, "
                                           "diagnosis, divorce, explosion, fired, gossip, gunshot, "
                                           "goodbye, heart attack, insult, it's over, lies, "
                                           "nagging, no, orders, rejection, sirens, screaming, "
                                           "snoring, test results, thunder, we need to talk, "
                                           "you're fired")],
    "Things that are red": ["hand:x"],
    "After school activities": [hand("art, band, baseball, basketball, chess club, choir, dance, "
                                     "drama, debate, football, gymnastics, homework, hockey, "
                                     "ice skating, judo, karate, lacrosse, music lessons, "
                                     "newspaper, orchestra, piano, reading, soccer, softball, "
                                     "swimming, scouts, tennis, track, tutoring, volleyball, "
                                     "wrestling")],
    "Things you do in gym class": [hand("archery, basketball, badminton, climb rope, calisthenics, "
                                        "dodgeball, dance, exercise, football, gymnastics, "
                                        "hurdles, hockey, jump rope, jog, jumping jacks, kickball, "
                                        "laps, lift weights, pull-ups, push-ups, run, relay race, "
                                        "soccer, sit-ups, stretch, tennis, tumbling, volleyball, "
                                        "wrestling")],
    "Reasons to be absent from school": [hand("appointment, allergies, broken arm, cold, cough, "
                                              "doctor appointment, dentist, death in the family, "
                                              "emergency, fever, flu, funeral, headache, holiday, "
                                              "illness, injury, jury duty, lice, measles, "
                                              "nausea, operation, pink eye, rash, sick, snow day, "
                                              "stomach ache, surgery, trip, vacation, weather")],
    "Things you carry": [hand("backpack, bag, baby, book, briefcase, bucket, cash, camera, "
                              "cell phone, credit card, diaper bag, groceries, gun, handbag, "
                              "ID, keys, knife, lunch, luggage, money, map, notebook, "
                              "pen, purse, phone, suitcase, tote, tray, umbrella, "
                              "wallet, water bottle")],
    "Things worn from the waist up": [hand("apron, blouse, bra, badge, bib, cardigan, coat, "
                                           "corsage, earrings, gloves, glasses, hat, hoodie, "
                                           "jacket, jersey, kimono, lipstick, locket, mittens, "
                                           "necklace, necktie, overcoat, poncho, scarf, shirt, "
                                           "sweater, shawl, t-shirt, tie, tank top, vest, "
                                           "watch, wig")],
    "Star Trek reference": [hand("android, Borg, beam me up, bridge, Captain Kirk, Chekov, "
                                 "Data, dilithium, Enterprise, Federation, Ferengi, hologram, "
                                 "holodeck, Janeway, Klingon, Kirk, live long and prosper, "
                                 "McCoy, Nimoy, phaser, Picard, Romulan, Riker, Scotty, Spock, "
                                 "Sulu, starship, tricorder, transporter, Uhura, Vulcan, warp, "
                                 "Worf")],
    "Reality TV show": [hand("American Idol, Amazing Race, Bachelor, Big Brother, Cops, "
                             "Dancing with the Stars, Duck Dynasty, Extreme Makeover, Fear Factor, "
                             "Hell's Kitchen, Intervention, Jersey Shore, Kitchen Nightmares, "
                             "Love Island, Master Chef, Naked and Afraid, Osbournes, "
                             "Project Runway, Real World, Survivor, Shark Tank, "
                             "The Voice, Top Chef, Wife Swap")],
    "Things that roll": [hand("apple, ball, barrel, bowling ball, bicycle, boulder, car, coin, "
                              "dice, dough, egg, eyes, football, grape, hoop, log, marble, orange, "
                              "pencil, pin, rock, roller skate, skateboard, snowball, "
                              "thunder, tire, toilet paper, train, wheel, wagon")],
    "Heavy things": [hand("anchor, anvil, boulder, bowling ball, brick, bus, car, dumbbell, elephant, "
                          "engine, fridge, furniture, grand piano, hippo, house, iron, "
                          "jet, king size bed, lead, motorcycle, mountain, oven, piano, "
                          "refrigerator, rock, safe, sofa, stone, tank, truck, whale, weights")],
    "Light things": [hand("air, balloon, bubble, butterfly, cloud, cotton, dust, down, envelope, "
                          "feather, foam, fluff, hair, helium, kite, leaf, lint, napkin, "
                          "paper, pillow, ping pong ball, pollen, snowflake, straw, sponge, "
                          "tissue, thread, wind")],
    "Things that light up": [hand("bulb, candle, cell phone, Christmas tree, computer screen, "
                                  "fire, firefly, flashlight, glow stick, headlight, "
                                  "jack-o'-lantern, lamp, lantern, lighthouse, lightning, "
                                  "match, moon, neon sign, phone, screen, sign, star, sun, "
                                  "television, torch, traffic light, watch")],
    "Lord of the Rings reference": [hand("Aragorn, Arwen, Bilbo, Balrog, Boromir, dwarf, elf, "
                                         "Elrond, Eye of Sauron, Frodo, Gandalf, Gimli, "
                                         "Gollum, Gondor, hobbit, Isengard, Legolas, "
                                         "Merry, Middle-earth, Mordor, Mount Doom, Nazgul, "
                                         "Orc, Pippin, precious, ring, Rivendell, Rohan, "
                                         "Sam, Sauron, Saruman, Shire, Smeagol, Treebeard, "
                                         "wizard")],
    "Star Wars reference": [hand("Anakin, Boba Fett, C-3PO, Chewbacca, clone, Darth Vader, "
                                 "Death Star, droid, Ewok, empire, Force, Han Solo, Hoth, "
                                 "jedi, Jabba, Kenobi, lightsaber, Leia, Luke, Millennium Falcon, "
                                 "Naboo, Obi-Wan, Padme, Palpatine, R2-D2, rebel, Sith, "
                                 "stormtrooper, Tatooine, TIE fighter, Wookiee, Yoda, X-wing")],
    "Harry Potter reference": [hand("Azkaban, broomstick, Bludger, Cho Chang, Dumbledore, Dobby, "
                                    "Draco, dementor, elf, Gryffindor, Hogwarts, Hagrid, Hermione, "
                                    "horcrux, Hufflepuff, invisibility cloak, Kreacher, Lupin, "
                                    "Luna, muggle, Malfoy, Neville, owl, potion, quidditch, "
                                    "Ron, Ravenclaw, Snape, Slytherin, snitch, Sirius, "
                                    "Voldemort, wand, wizard, Weasley")],
    "Christmas Movie": [hand("A Christmas Story, Bad Santa, Christmas Vacation, Die Hard, Elf, "
                             "Frosty the Snowman, Four Christmases, Grinch, Home Alone, "
                             "How the Grinch Stole Christmas, It's a Wonderful Life, Jingle All the Way, "
                             "Krampus, Love Actually, Miracle on 34th Street, Nightmare Before Christmas, "
                             "Polar Express, Rudolph, Scrooged, Santa Clause, The Santa Clause, "
                             "White Christmas")],
    "Christmas Song": "XMAS_SONGS",
    "Hospital reference": "HOSPITAL",
    "Courthouse reference": [hand("attorney, appeal, bailiff, bail, bench, case, court, courtroom, "
                                  "defendant, defense, evidence, felony, gavel, guilty, hearing, "
                                  "innocent, judge, jury, justice, lawyer, motion, "
                                  "not guilty, objection, oath, plaintiff, prosecutor, "
                                  "sentence, stenographer, trial, testimony, verdict, witness")],
}

# Categories whose whole answer set the bank holds, so an answer missing from it is wrong.
CLOSED = {"State", "State Capitol", "President", "Country"}

# Lists that several categories share.
SHARED = {
    "TEAMS": [hand("Angels, Astros, Bears, Braves, Bruins, Bulls, Celtics, Cowboys, Cubs, Colts, "
                   "Dodgers, Dolphins, Eagles, Falcons, Giants, Jets, Knicks, Lakers, Lions, "
                   "Mets, Marlins, Nets, Orioles, Packers, Patriots, Pirates, Raiders, Rangers, "
                   "Red Sox, Saints, Steelers, Spurs, Titans, Tigers, Warriors, White Sox, "
                   "Yankees, Oilers, Heat, Jazz, Kings, Blackhawks, Indians, Jaguars")],
    "TV": [hand("All in the Family, Alf, Bonanza, Batman, Cheers, CSI, Columbo, Dallas, Dexter, "
                "ER, Everybody Loves Raymond, Friends, Frasier, Full House, Gilligan's Island, "
                "Happy Days, House, I Love Lucy, Jeopardy, Knight Rider, Lost, M*A*S*H, "
                "Married with Children, Mork and Mindy, NCIS, Night Court, Office, "
                "Perry Mason, Roseanne, Seinfeld, Simpsons, Star Trek, Taxi, Twin Peaks, "
                "West Wing, Wheel of Fortune, Wonder Years, Will and Grace")],
    "SINGERS": [hand("Adele, Aretha Franklin, Beyonce, Bob Dylan, Bing Crosby, Celine Dion, Cher, "
                     "Dolly Parton, Elvis Presley, Elton John, Frank Sinatra, Garth Brooks, "
                     "Harry Styles, Janet Jackson, John Lennon, Johnny Cash, Katy Perry, "
                     "Lady Gaga, Madonna, Mariah Carey, Michael Jackson, Nat King Cole, "
                     "Ozzy Osbourne, Prince, Pink, Rihanna, Shakira, Sting, Taylor Swift, "
                     "Tina Turner, Whitney Houston, Willie Nelson"), "wnp:singer.n.01"],
    "HISTORY": [hand("American Revolution, Battle of Hastings, Boston Tea Party, Civil War, "
                     "Cold War, D-Day, Declaration of Independence, Emancipation Proclamation, "
                     "French Revolution, Fall of Rome, Gettysburg, Great Depression, Holocaust, "
                     "Industrial Revolution, Invasion of Normandy, Korean War, "
                     "Louisiana Purchase, Moon landing, Magna Carta, Napoleonic Wars, "
                     "Pearl Harbor, Prohibition, Renaissance, Reformation, Stock market crash, "
                     "Titanic, Vietnam War, Watergate, World War II, Waterloo"),
                "wnp:war.n.01 battle.n.01"],
    "CEREAL": [hand("Alpha-Bits, Apple Jacks, Bran Flakes, Cheerios, Cap'n Crunch, Cocoa Puffs, "
                    "Corn Flakes, Cinnamon Toast Crunch, Chex, Froot Loops, Frosted Flakes, "
                    "Fruity Pebbles, Golden Grahams, Granola, Honey Nut Cheerios, Kix, "
                    "Lucky Charms, Life, Muesli, Mini-Wheats, Oatmeal, Product 19, Raisin Bran, "
                    "Rice Krispies, Special K, Shredded Wheat, Trix, Total, Wheaties, Weetabix")],
    "FICTIONAL_ANIMALS": [hand("Aslan, Babe, Bambi, Baloo, Clifford, Curious George, Donald Duck, "
                               "Dumbo, Eeyore, Garfield, Goofy, Hedwig, Jiminy Cricket, King Kong, "
                               "Kermit, Lassie, Mickey Mouse, Nemo, Odie, Piglet, Pluto, Rudolph, "
                               "Scooby-Doo, Snoopy, Simba, Tigger, Thumper, Winnie the Pooh, "
                               "Wilbur, Bugs Bunny, Daffy Duck, Paddington")],
    "ICECREAM": [hand("almond, butter pecan, banana, butterscotch, chocolate, chocolate chip, "
                      "cookie dough, cookies and cream, coffee, cherry, fudge, French vanilla, "
                      "green tea, hazelnut, Irish cream, java, key lime, lemon, mint, "
                      "mint chocolate chip, Neapolitan, orange sherbet, peach, pistachio, "
                      "rocky road, raspberry, rum raisin, strawberry, toffee, tutti frutti, "
                      "vanilla, white chocolate")],
    "SPORT_GEAR": [hand("ball, bat, bases, basket, club, cleats, dumbbell, discus, elbow pads, "
                        "frisbee, glove, goal, golf club, helmet, hockey stick, hoop, "
                        "ice skates, javelin, jersey, kneepads, lacrosse stick, mitt, mouthguard, "
                        "net, oar, puck, paddle, racket, skis, skates, surfboard, "
                        "shin guards, tee, uniform, whistle"), "wn:sports_equipment.n.01"],
    "SUBJECTS": [hand("algebra, art, biology, botany, calculus, chemistry, civics, drama, "
                      "economics, English, French, geography, geometry, gym, history, health, "
                      "Italian, journalism, Japanese, Latin, literature, math, music, "
                      "orchestra, physics, psychology, reading, science, Spanish, spelling, "
                      "trigonometry, writing")],
    "COMPUTER": [hand("app, bit, byte, browser, bug, cache, click, CPU, cursor, data, desktop, "
                      "download, email, file, folder, firewall, gigabyte, hard drive, hacker, "
                      "icon, internet, java, keyboard, kilobyte, laptop, login, mouse, monitor, "
                      "network, online, operating system, password, printer, RAM, router, "
                      "software, server, upload, virus, website, wifi, window")],
    "SNACKS": [hand("apple, almonds, bagel, banana, cookies, chips, crackers, cheese, candy, "
                    "doritos, donut, fruit, granola bar, grapes, hummus, ice cream, jerky, "
                    "jello, kit kat, licorice, muffin, nuts, nachos, oreos, popcorn, pretzels, "
                    "peanuts, raisins, string cheese, trail mix, twinkie, veggies, yogurt"),
               "wn:snack_food.n.01"],
    "BREAKFAST": [hand("bacon, bagel, biscuits, cereal, coffee, croissant, danish, donut, eggs, "
                       "English muffin, French toast, fruit, grits, granola, hash browns, "
                       "ham, juice, jam, kippers, muffin, milk, oatmeal, omelet, orange juice, "
                       "pancakes, porridge, quiche, sausage, scrambled eggs, toast, "
                       "waffles, yogurt")],
    "TEEN_MOVIES": [hand("American Pie, Breakfast Club, Bring It On, Clueless, Dazed and Confused, "
                         "Easy A, Fast Times at Ridgemont High, Ferris Bueller's Day Off, Grease, "
                         "Heathers, High School Musical, Juno, Karate Kid, Lady Bird, Mean Girls, "
                         "Napoleon Dynamite, Pretty in Pink, Risky Business, Sixteen Candles, "
                         "Superbad, Twilight, Weird Science")],
    "BANDS": [hand("ABBA, Aerosmith, Blondie, Bon Jovi, Coldplay, Cream, Chicago, Devo, "
                   "Eagles, Europe, Foreigner, Genesis, Garbage, Heart, Hanson, Inxs, Journey, "
                   "Kiss, Korn, Kansas, Metallica, Madness, Nirvana, Oasis, Poison, Queen, "
                   "Radiohead, Rush, Scorpions, Styx, Toto, U2, Weezer, Wings, Yes")],
    "BEERS": [hand("Amstel, Budweiser, Bud Light, Beck's, Coors, Corona, Dos Equis, Foster's, "
                   "Guinness, Grolsch, Heineken, Harp, Iron City, Keystone, Labatt, Lowenbrau, "
                   "Michelob, Miller, Molson, Newcastle, Old Milwaukee, Pabst, Rolling Rock, "
                   "Stella Artois, Sam Adams, Schlitz, Tecate, Yuengling, Warsteiner")],
    "FURNITURE": [hand("armchair, armoire, bed, bench, bookcase, bunk bed, couch, chair, chest, "
                       "crib, cabinet, desk, dresser, end table, futon, footstool, hammock, "
                       "hutch, island, loveseat, lamp, mirror, nightstand, ottoman, piano, "
                       "recliner, rocking chair, sofa, stool, shelf, table, wardrobe, "
                       "waterbed"), "wn:furniture.n.01"],
    "HOSPITAL": [hand("ambulance, bandage, bed, blood, cast, crutches, doctor, defibrillator, "
                      "emergency room, gauze, gown, heart monitor, hospital bed, IV, injection, "
                      "intern, jello, kidney, lab, medicine, nurse, needle, operating room, "
                      "oxygen, patient, pills, stethoscope, surgeon, syringe, thermometer, "
                      "wheelchair, x-ray")],
    "DRINKS": [hand("ale, apple juice, beer, brandy, cocoa, coffee, cola, cider, daiquiri, espresso, "
                    "eggnog, fruit punch, gin, grape juice, hot chocolate, iced tea, juice, kool-aid, "
                    "lemonade, latte, milk, milkshake, martini, nectar, orange juice, punch, "
                    "rum, soda, smoothie, tea, tequila, vodka, water, whiskey, wine"),
               "wn:beverage.n.01"],
    "OUTDOOR_GAMES": [hand("badminton, baseball, bocce, capture the flag, croquet, catch, dodgeball, "
                           "duck duck goose, flag football, frisbee, freeze tag, hopscotch, "
                           "horseshoes, hide and seek, jump rope, kickball, kick the can, "
                           "lawn darts, marbles, Marco Polo, paintball, red rover, "
                           "Simon says, soccer, sardines, tag, tug of war, volleyball, "
                           "water balloon fight, wiffle ball")],
    "VACATION": [hand("Acapulco, Aruba, Bahamas, Bali, Bermuda, Cancun, Cabo, Disney World, "
                      "Disneyland, Europe, Fiji, Florida, Grand Canyon, Greece, Hawaii, "
                      "Ibiza, Italy, Jamaica, Key West, Las Vegas, London, Maui, Mexico, "
                      "Niagara Falls, New York, Orlando, Paris, Puerto Rico, Rome, St. Lucia, "
                      "Tahiti, Tuscany, Venice, Virgin Islands, Waikiki")],
    "LOCKER": [hand("apple, backpack, binder, books, coat, calculator, deodorant, folder, "
                    "gym clothes, gym bag, hat, homework, iPod, jacket, keys, lunch, lock, "
                    "mirror, notebook, notes, paper, pencil, pictures, photos, ruler, "
                    "sneakers, shoes, towel, textbook, water bottle")],
    "SONGS1": [hand("Angie, Bad, Beat It, Crazy, Creep, Dreams, Dancing Queen, Everybody, Faith, Fame, "
                    "Gloria, Hello, Halo, Help, Imagine, Jolene, Jump, Kokomo, Layla, Lola, "
                    "Macarena, Money, Nightshift, Oops, Photograph, Respect, Roxanne, Smooth, "
                    "Thriller, Toxic, Vogue, Wonderwall, Yesterday")],
    "SONGS": [hand("Amazing Grace, American Pie, Billie Jean, Bohemian Rhapsody, Crazy, "
                   "Dancing Queen, Don't Stop Believin', Eye of the Tiger, Footloose, "
                   "Good Vibrations, Hey Jude, Hotel California, Imagine, Jailhouse Rock, "
                   "Jolene, Kokomo, Let It Be, Like a Virgin, My Way, Purple Rain, "
                   "Respect, Stairway to Heaven, Sweet Caroline, Thriller, Take On Me, "
                   "We Are the Champions, Wonderwall, Yesterday")],
    "XMAS_SONGS": [hand("Away in a Manger, Blue Christmas, Deck the Halls, Do They Know It's Christmas, "
                        "Feliz Navidad, Frosty the Snowman, Good King Wenceslas, Hark the Herald Angels Sing, "
                        "Here Comes Santa Claus, Holly Jolly Christmas, I'll Be Home for Christmas, "
                        "Jingle Bells, Jingle Bell Rock, Joy to the World, Last Christmas, "
                        "Let It Snow, Little Drummer Boy, O Holy Night, O Come All Ye Faithful, "
                        "Rudolph the Red-Nosed Reindeer, Silent Night, Silver Bells, "
                        "The First Noel, Up on the Housetop, White Christmas, Winter Wonderland")],
    "CARTOONS": [hand("Arthur, Bart Simpson, Bugs Bunny, Betty Boop, Charlie Brown, Casper, "
                      "Daffy Duck, Donald Duck, Dora, Elmer Fudd, Fred Flintstone, Garfield, Goofy, "
                      "Homer Simpson, Huckleberry Hound, Inspector Gadget, Jerry, Jetsons, "
                      "Kermit, Lisa Simpson, Mickey Mouse, Minnie Mouse, Mr. Magoo, Marge, "
                      "Odie, Popeye, Porky Pig, Pink Panther, Road Runner, Scooby-Doo, Snoopy, "
                      "SpongeBob, Sylvester, Tweety, Tom, Woody Woodpecker, Wile E. Coyote, "
                      "Yogi Bear")],
    "TOYS": [hand("action figure, ball, Barbie, blocks, bike, crayons, doll, dollhouse, "
                  "Etch A Sketch, frisbee, game, G.I. Joe, hula hoop, jack-in-the-box, "
                  "jump rope, kite, Lego, Lincoln Logs, marbles, Mr. Potato Head, "
                  "Nerf gun, pogo stick, puzzle, rocking horse, robot, skateboard, "
                  "slinky, teddy bear, top, train set, truck, wagon, yo-yo"),
             "wn:plaything.n.01"],
    "TV_CHARACTERS": [hand("Archie Bunker, Al Bundy, Barney Fife, Bart Simpson, Chandler, Cliff, "
                           "Dexter, Doogie Howser, Elmo, Fonzie, Frasier, Gilligan, Homer Simpson, "
                           "Hawkeye, J.R. Ewing, Jerry Seinfeld, Kramer, Kermit, Lucy Ricardo, "
                           "MacGyver, Monica, Mork, Norm, Niles, Opie, Phoebe, Rachel, Ross, "
                           "Sheldon, Spock, Tony Soprano, Urkel, Walter White")],
    "SHED": [hand("axe, bicycle, bucket, chainsaw, cobwebs, drill, fertilizer, flower pots, "
                  "garden hose, gloves, hammer, hoe, hose, insecticide, junk, ladder, "
                  "lawn mower, mower, nails, oil can, paint, pitchfork, pruners, rake, "
                  "saw, shovel, seeds, spade, tools, trowel, wheelbarrow, weed killer")],
    "WEDDING": [hand("aisle, anniversary, bride, bridesmaid, bouquet, best man, cake, ceremony, "
                     "dress, engagement, flower girl, garter, groom, gown, honeymoon, "
                     "invitation, I do, kiss, love, marriage, maid of honor, newlyweds, "
                     "officiant, proposal, ring, reception, ring bearer, toast, tuxedo, "
                     "veil, vows, wedding cake")],
    "VACATION_WORDS": [hand("airport, adventure, beach, bags, camera, cruise, camping, "
                            "destination, excursion, flight, getaway, guide, hotel, holiday, "
                            "itinerary, island, journey, luggage, map, motel, "
                            "ocean, passport, relax, resort, road trip, souvenir, sun, "
                            "suitcase, tour, travel, vacation, visa")],
    "ZOO": [hand("alligator, ape, antelope, bear, bison, camel, cheetah, chimpanzee, crocodile, "
                 "elephant, emu, flamingo, giraffe, gorilla, hippo, hyena, ibex, jaguar, "
                 "kangaroo, koala, lion, lemur, monkey, meerkat, ostrich, orangutan, panda, "
                 "penguin, rhino, seal, snake, tiger, tortoise, walrus, wolf, zebra, zookeeper")],
    "BIRDS": [hand("albatross, blue jay, bluebird, cardinal, canary, chicken, crow, dove, duck, "
                   "eagle, emu, falcon, flamingo, goose, gull, hawk, heron, hummingbird, ibis, "
                   "jay, kiwi, kingfisher, lark, loon, magpie, nightingale, ostrich, owl, "
                   "parrot, pigeon, penguin, pelican, robin, raven, sparrow, swan, "
                   "turkey, toucan, vulture, woodpecker, wren"), "wn:bird.n.01"],
    "DESSERTS": [hand("apple pie, brownie, banana split, cake, cookie, cheesecake, cupcake, "
                      "custard, donut, eclair, fudge, flan, gelato, gingerbread, ice cream, "
                      "jello, key lime pie, lemon bars, mousse, meringue, napoleon, "
                      "pudding, pie, parfait, sundae, sorbet, tiramisu, tart, trifle, "
                      "whoopie pie"), "wn:dessert.n.01"],
    "WOMEN": [hand("Amelia Earhart, Audrey Hepburn, Beyonce, Betsy Ross, Cleopatra, Coco Chanel, "
                   "Diana, Dolly Parton, Eleanor Roosevelt, Florence Nightingale, "
                   "Greta Garbo, Grace Kelly, Helen Keller, Hillary Clinton, Indira Gandhi, "
                   "Joan of Arc, Jackie Kennedy, Katharine Hepburn, Lady Gaga, "
                   "Marie Curie, Madonna, Marilyn Monroe, Mother Teresa, Oprah Winfrey, "
                   "Princess Diana, Queen Elizabeth, Rosa Parks, Serena Williams, "
                   "Taylor Swift, Virginia Woolf, Whitney Houston")],
    "TV_STARS": [hand("Alan Alda, Betty White, Bob Saget, Carol Burnett, Candice Bergen, "
                      "David Letterman, Drew Carey, Ellen DeGeneres, Fred Savage, Farrah Fawcett, "
                      "Gillian Anderson, Henry Winkler, Jay Leno, Jerry Seinfeld, Johnny Carson, "
                      "Kelsey Grammer, Lucille Ball, Larry Hagman, Mary Tyler Moore, "
                      "Oprah Winfrey, Phil Donahue, Ron Howard, Roseanne Barr, Sarah Jessica Parker, "
                      "Ted Danson, Tim Allen, Vanna White, William Shatner")],
    "BRANDS": [hand("Adidas, Apple, Amazon, Boeing, Coca-Cola, Canon, Dell, Disney, Exxon, "
                    "Ford, Fedex, Gap, Google, Gucci, Heinz, Honda, Hershey, IBM, Ikea, Intel, "
                    "Jeep, Kellogg's, Kodak, Lego, Levi's, Microsoft, McDonald's, Nike, Nestle, "
                    "Nintendo, Oracle, Pepsi, Puma, Rolex, Reebok, Sony, Starbucks, Samsung, "
                    "Toyota, Target, Visa, Walmart, Wrigley")],
    "KIDS_BOOKS": [hand("Alice in Wonderland, Babar, Charlotte's Web, Curious George, Clifford, "
                        "Corduroy, Dr. Seuss, Eloise, Frog and Toad, Goodnight Moon, "
                        "Green Eggs and Ham, Harry Potter, Heidi, James and the Giant Peach, "
                        "Jumanji, Little Women, Madeline, Matilda, Nancy Drew, "
                        "Oh the Places You'll Go, Peter Rabbit, Pippi Longstocking, Ramona, "
                        "Stuart Little, Treasure Island, The Cat in the Hat, The Giving Tree, "
                        "Where the Wild Things Are, Winnie the Pooh")],
    "ACTIVITIES": [hand("baking, biking, bowling, camping, cleaning, cooking, dancing, drawing, "
                        "eating out, fishing, gardening, golf, hiking, hunting, ice skating, "
                        "jogging, knitting, kayaking, laundry, movies, napping, "
                        "painting, picnic, reading, running, shopping, sleeping, swimming, "
                        "tennis, travel, video games, walking, watching TV, writing, yoga")],
    "HOBBIES": [hand("archery, baking, bird watching, biking, collecting, cooking, crafts, "
                     "dancing, drawing, embroidery, fishing, gardening, golf, hiking, "
                     "hunting, ice skating, juggling, jigsaw puzzles, knitting, kayaking, "
                     "model building, music, needlepoint, origami, painting, photography, "
                     "reading, running, sewing, scrapbooking, stamp collecting, "
                     "travel, writing, woodworking, yoga")],
    "NOISES": [hand("arf, baa, bark, buzz, caw, chirp, cluck, cock-a-doodle-doo, croak, gobble, "
                    "growl, grunt, hiss, honk, hoot, howl, meow, moo, neigh, oink, purr, "
                    "quack, roar, ribbit, squeak, snort, tweet, whinny, woof, bleat, "
                    "bray, chatter, coo, hum, kaw, low, mew, neigh")],
    "CELEBRITIES": [hand("Adele, Angelina Jolie, Beyonce, Brad Pitt, Clint Eastwood, Denzel Washington, "
                         "Ellen DeGeneres, Eddie Murphy, Emma Watson, George Clooney, Harrison Ford, "
                         "Hugh Jackman, Jennifer Aniston, Johnny Depp, Julia Roberts, Kevin Bacon, "
                         "Leonardo DiCaprio, Meryl Streep, Morgan Freeman, Nicole Kidman, "
                         "Oprah Winfrey, Paul McCartney, Robin Williams, Steven Spielberg, "
                         "Tom Hanks, Taylor Swift, Will Smith, Whoopi Goldberg")],
    "CLOTHES": [hand("apron, blouse, belt, bikini, coat, cardigan, dress, dungarees, "
                     "gown, gloves, hat, hoodie, jacket, jeans, jumper, kimono, kilt, "
                     "leggings, mittens, miniskirt, nightgown, overalls, pants, "
                     "pajamas, poncho, robe, raincoat, shirt, skirt, shorts, socks, "
                     "sweater, scarf, t-shirt, tie, tuxedo, underwear, vest, windbreaker"),
                "wn:garment.n.01"],
    "PLUG_IN": [hand("air conditioner, blender, computer, charger, clock, coffee maker, "
                     "dishwasher, dryer, electric blanket, fan, freezer, guitar amp, "
                     "hair dryer, heater, iron, juicer, kettle, lamp, laptop, "
                     "microwave, mixer, night light, oven, printer, phone charger, "
                     "radio, refrigerator, stereo, toaster, television, TV, vacuum, "
                     "washing machine")],
}

for _name, _sources in list(TABLE.items()):
    if isinstance(_sources, str):
        TABLE[_name] = SHARED[_sources]
TABLE["Something You Shouldn't Touch"] = TABLE["Things you shouldn't touch"]
TABLE["Things that are red"] = TABLE["Something Red"]
TABLE["Famous Women"] = SHARED["WOMEN"]
