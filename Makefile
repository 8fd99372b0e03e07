# The two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test package clean translations fuzz

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-app.sh $(BUILD_DIR)/pennibar

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, written to $(BUILD_DIR)/pennibar_<version>_<architecture>.deb.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Every fuzz target for FUZZ_SECONDS each, in build-fuzz/ (clang, ASan, UBSan).
fuzz: deps
	@JOBS=$(JOBS) bash scripts/run-fuzz.sh

# Regenerates the catalogues, writes the kept translations back into them and lists the texts
# that still need one (without failing: new texts wait for the translator).
translations: configure
	@cmake --build $(BUILD_DIR) --target update_translations
	@python3 scripts/fill-english-plurals.py resources/i18n/pennibar_en.ts
	-@python3 scripts/apply-translations.py

clean:
	@rm -rf $(BUILD_DIR)
