# make run   - install what is missing, build optimised, start a solo game
# make test  - install what is missing, build with sanitizers, run the whole suite
# make install [PREFIX=/usr/local] [DESTDIR=...] - build optimised and install
#              (installing under /usr/local needs root: sudo make install)
# make uninstall [DESTDIR=...] - remove what the last make install put down
# make deb    - build the Debian packages (lexiburst, lexiburst-server) in
#              build/deb and check them with lintian
# make answer-bank - install the lexical data and rebuild resources/answers.txt
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
DESTDIR ?=
DEB_DIR := build/deb
RELEASE_DIR := build/release
TEST_DIR := build/asan

.PHONY: deps build run test test-build host clean screenshots install uninstall deb answer-bank

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DLEXIBURST_TESTS=OFF \
	  -DLEXIBURST_SCREENSHOTS=OFF >/dev/null
	cmake --build $(RELEASE_DIR) -j$(JOBS)

run: build
	$(RELEASE_DIR)/bin/lexiburst

host: build
	$(RELEASE_DIR)/bin/lexiburst-host

test-build: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DLEXIBURST_SANITIZE=ON -DLEXIBURST_BENCH=OFF >/dev/null
	cmake --build $(TEST_DIR) -j$(JOBS)

# The black-box checks drive the real programs and windows under a virtual
# display, where a busy machine can make one miss a click: a test fails the
# suite when it fails twice in a row.
test: test-build
	@runtime=$$(mktemp -d); chmod 700 $$runtime; \
	XDG_RUNTIME_DIR=$$runtime QT_QPA_PLATFORM=offscreen \
	  ctest --test-dir $(TEST_DIR) --output-on-failure -j$(JOBS) --repeat until-pass:2; rc=$$?; \
	rm -rf $$runtime; exit $$rc

# The screenshot program is built here only, never by `make build`.
screenshots: deps
	@tools/install-deps.sh --tools
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DLEXIBURST_TESTS=OFF \
	  -DLEXIBURST_SCREENSHOTS=ON >/dev/null
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target lexiburst-screenshots lexiburst-host lexiburst-bot
	tools/screenshot.sh

BANK_FILES := resources/answers.txt resources/blocked.txt resources/words.txt resources/senses.txt
answer-bank:
	@tools/install-deps.sh --bank
	python3 tools/answer-bank/generate.py
	@if [ -z "$$(git status --porcelain -- $(BANK_FILES))" ]; then \
	  echo "The generated files are the same as the ones checked in."; \
	else \
	  echo "The generated files differ from the ones checked in:"; \
	  git status --short -- $(BANK_FILES); git diff --stat -- $(BANK_FILES); \
	fi

install: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DLEXIBURST_TESTS=OFF \
	  -DLEXIBURST_SCREENSHOTS=OFF -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	cmake --build $(RELEASE_DIR) -j$(JOBS)
	@if [ -z "$(DESTDIR)" ] && ! [ -w "$$(dirname $(PREFIX))" -o -w "$(PREFIX)" ]; then \
	  echo "make install: $(PREFIX) is not writable; run it as root (sudo make install)" >&2; exit 1; fi
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(RELEASE_DIR) --target uninstall

deb: deps
	@tools/install-deps.sh --package
	cmake -S . -B $(DEB_DIR) -DCMAKE_BUILD_TYPE=Release -DLEXIBURST_TESTS=OFF \
	  -DLEXIBURST_BENCH=OFF -DLEXIBURST_SCREENSHOTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	cmake --build $(DEB_DIR) -j$(JOBS)
	cd $(DEB_DIR) && cpack -G DEB
	lintian --tag-display-limit 0 $(DEB_DIR)/lexiburst_*.deb $(DEB_DIR)/lexiburst-server_*.deb

clean:
	rm -rf build
